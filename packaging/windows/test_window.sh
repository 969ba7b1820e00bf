#!/usr/bin/env bash
# Installs the MSI in a Wine of its own on an X server of its own, starts the program from
# where the MSI put it, and uses it as a pupil would, with the mouse: picks the sphere
# field, traces a path and reads the work read-outs off the screen. It does this under
# German and English regional settings and with a decimal separator set by hand, then
# removes the program. Exits 77, which CTest counts as skipped, where the tools are missing.
#   test_window.sh PROGRAM.msi
set -uo pipefail
[ $# -eq 1 ] || { echo "usage: $0 PROGRAM.msi" >&2; exit 2; }
skip() { echo "SKIPPED: $1"; exit 77; }
for tool in Xvfb wine wineserver xdotool xwininfo import convert tesseract msiinfo msiextract; do
    command -v "$tool" > /dev/null || skip "no $tool here"
done
# Without the locale, Wine would quietly fall back to English.
for name in de_DE.utf8 en_US.utf8; do
    locale -a | grep -q -x "$name" || skip "locale $name not generated"
done

here=$(dirname "$0")
. "$here/wine_msi.sh"
. "$here/window_input.sh"
msi=$(realpath -e "$1")
read_msi "$msi"
work=$(mktemp -d)
server=
finish() {
    remove_wine
    [ -n "$server" ] && kill "$server" 2> /dev/null && wait "$server" 2> /dev/null
    rm -rf "$work"
}
trap finish EXIT

# -displayfd picks a free display number and tells it once the server takes clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" > /dev/null 2>&1 &
server=$!
read -r -t 10 number < "$work/display" || skip "Xvfb did not start"
export DISPLAY=:$number
unset WAYLAND_DISPLAY

wine_run wineboot --init
check "installs silently" wine_run msiexec /i "$(windows_path "$msi")" /qn

# The path: a segment from P1 to P2 at the distances 2.9 cm and 3.2 cm from the centre, the
# next one on to P3 under the centre, then the hover text shown close to the centre, where
# a segment ending there changes the total by several newton-centimetres. The texts are
# those of the Linux build for the same clicks.
p1="314 134" p2="359 269" p3="135 314" near_centre="250 200"
expected_segments=("-0#33 Ncm" "0#38 Ncm")
expected_totals=("0 Ncm" "-1 Ncm")

client_size() { [ "$(window_size "$window")" = "862 560" ]; }
reads() {
    local text
    text=$(read_out "$window" "$1")
    [ "$text" = "$2" ] || { echo "$1: $text"; return 1; }
}
total_moved() {
    local now
    now=$(read_out "$window" total)
    [[ $now =~ ^-?[0-9]+\ Ncm$ ]] && [ "$now" != "$1" ] || { echo "total: $now"; return 1; }
}

use_program() {
    local what=$1 locale=$2 separator=$3 before
    start_program "$locale" "C:\\Program Files\\$folder\\kraftfeld.exe" || { check "$what: window shows" false; stop_program; return; }
    check "$what: client area 862 x 560" client_size
    check "$what: sphere field chosen from the list" choose_entry "$window" 5
    click_at "$window" $p1
    point_at "$window" $p2
    check "$what: segment P1 to P2 reads ${expected_segments[0]//#/$separator}" reads segment "${expected_segments[0]//#/$separator}"
    check "$what: total reads ${expected_totals[0]}" reads total "${expected_totals[0]}"
    click_at "$window" $p2
    point_at "$window" $p3
    check "$what: segment P2 to P3 reads ${expected_segments[1]//#/$separator}" reads segment "${expected_segments[1]//#/$separator}"
    check "$what: total reads ${expected_totals[1]}" reads total "${expected_totals[1]}"
    before=$(read_out "$window" total)
    check "$what: press onto the hover text at once ends the segment" press_on_hover_text "$window" $near_centre
    check "$what: and counts it in the total" total_moved "$before"
    stop_program
}

use_program "German" de_DE.UTF-8 ","
use_program "English" en_US.UTF-8 "."
# Wine keeps a separator set by hand as long as the locale it was set under stays.
wine_run reg add "HKCU\\Control Panel\\International" /v sDecimal /d ";" /f
use_program "English, decimal separator ;" en_US.UTF-8 ";"

check "removed silently" wine_run msiexec /x "$(windows_path "$msi")" /qn
check_removed
tally window
