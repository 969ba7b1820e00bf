# Sourced by test_window.sh: the program's window under Wine on the X server in DISPLAY,
# driven with real X pointer input and read back through screenshots and OCR. Places are
# in pixels of the window's client area.

# start_program LOCALE EXE: starts the program under those regional settings and sets
# `window` to its X window, which without a window manager is the client area alone.
start_program() {
    # Started from a subshell, so that this shell reports nothing when Wine ends it.
    (LC_ALL=$1 LANG=$1 wine "$2" > /dev/null 2>&1 &)
    local id
    window=
    for _ in $(seq 600); do
        for id in $(xdotool search --onlyvisible --classname '^kraftfeld\.exe$'); do
            [ "$(xdotool getwindowname "$id")" = " " ] && window=$id
        done
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || return 1
    # Its first paint comes a moment after the window maps.
    sleep 2
}
stop_program() { wineserver -k; wineserver -w; }

window_size() { xwininfo -id "$1" | awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print w, h }'; }
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
point_at() { xdotool mousemove --window "$1" "$2" "$3"; sleep 0.5; }

# The program's other visible X windows: the open list or the hover text.
popup() {
    xdotool search --onlyvisible --classname '^kraftfeld\.exe$' | grep -v -x "$1" | head -n 1
}
wait_for_popup() {
    local id
    for _ in $(seq 50); do
        id=$(popup "$1")
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    return 1
}
# Prints the screen place of a popup's centre and its height.
popup_centre() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '{ v[$1] = $2 } END { print int(v["X"] + v["WIDTH"] / 2), int(v["Y"] + v["HEIGHT"] / 2), v["Y"], v["HEIGHT"] }'
}

# choose_entry WINDOW N: opens the list by its arrow (the text beside it takes no click)
# and clicks entry N of its eight; the list is closed afterwards.
choose_entry() {
    local list x y top height
    click_at "$1" 750 16
    list=$(wait_for_popup "$1") || return 1
    read -r x y top height < <(popup_centre "$list")
    xdotool mousemove "$x" $((top + height * (2 * $2 + 1) / 16)) click 1
    sleep 0.5
    [ -z "$(popup "$1")" ]
}

# press_on_hover_text WINDOW X Y: rests the pointer there until the hover text shows, then
# jumps onto the hover text and presses in the same instant.
press_on_hover_text() {
    local tip x y
    point_at "$1" "$2" "$3"
    tip=$(wait_for_popup "$1") || { echo "no hover text"; return 1; }
    read -r x y _ < <(popup_centre "$tip")
    xdotool mousemove "$x" "$y" click 1
    sleep 0.5
}

# read_out WINDOW segment|total: the text of a work read-out, read by OCR from a crop
# enlarged five times.
read_out() {
    local crop
    case $2 in
    segment) crop=89x17+616+352 ;;
    total) crop=89x17+612+432 ;;
    esac
    import -window "$1" -crop "$crop" +repage -resize 500% -colorspace gray "$work/readout.png"
    tesseract "$work/readout.png" - --psm 7 -c tessedit_char_whitelist='0123456789-,.; Ncm' 2> /dev/null |
        tr -d '\f' | sed -e '/^$/d'
}
