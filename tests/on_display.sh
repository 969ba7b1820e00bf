#!/usr/bin/env bash
# Runs a command on a real display of its own: an X server (Xvfb) of the given screen size,
# or a Wayland compositor (weston's headless backend). Exits 77, which CTest counts as
# skipped, where neither can be started here.
#
# Usage: on_display.sh x11 WIDTHxHEIGHT COMMAND...
#        on_display.sh wayland COMMAND...
set -u
kind=$1
shift
skip() {
    echo "SKIPPED: $1"
    exit 77
}

runtime=$(mktemp -d)
chmod 700 "$runtime"
server=
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime

case $kind in
x11)
    size=$1
    shift
    command -v Xvfb >/dev/null || skip "no Xvfb to start an X server with"
    # -displayfd picks a free display number and tells it once the server takes clients.
    mkfifo "$runtime/display"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$runtime/display" >/dev/null 2>&1 &
    server=$!
    read -r -t 10 number <"$runtime/display" || skip "Xvfb did not start"
    export DISPLAY=:$number QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    ;;
wayland)
    command -v weston >/dev/null || skip "no weston to start a Wayland compositor with"
    weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 \
        --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
    server=$!
    for _ in $(seq 100); do
        [ -S "$runtime/wayland-test" ] && break
        sleep 0.1
    done
    [ -S "$runtime/wayland-test" ] || skip "weston did not start: $(tail -n 3 "$runtime/weston.log")"
    export WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
    unset DISPLAY
    ;;
*)
    echo "usage: on_display.sh x11 WIDTHxHEIGHT COMMAND... | wayland COMMAND..." >&2
    exit 2
    ;;
esac

"$@"
