#!/usr/bin/env bash
# Under a real window manager the main window keeps its size: dragging it to another size, a maximise
# request and a double click on its title bar all leave it as it is. F1 opens the guide.
source "$(dirname "$0")/lib.sh"
start_xvfb
spawn openbox >"$WORK/openbox.log" 2>&1
wait_for 'xprop -root _NET_SUPPORTED | grep -q _NET_WM_STATE_MAXIMIZED_HORZ' || fail "openbox did not start"
start_jack
printf '[MIDI]\nOutput=jack\n[Position]\nX=100\nY=100\n' | install_clavito
start_clavito
wait_for_main_window
size_now() { xwininfo -id "$WINDOW" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
wait_for '[ "$(size_now | cut -dx -f1)" = 761 ]' || fail "the window is $(size_now), not 761 wide"
expected=$(size_now)
# Nothing may change, so there is no condition to wait on: the window manager gets a second.
unchanged() {
    sleep 1
    [ "$(size_now)" = "$expected" ] || fail "$1 changed the size to $(size_now)"
}
xdotool windowsize "$WINDOW" 900 500
unchanged "windowsize 900 500"
xdotool windowsize "$WINDOW" 300 200
unchanged "windowsize 300 200"
wmctrl -i -r "$WINDOW" -b add,maximized_vert,maximized_horz
unchanged "maximise request"
read -r left top < <(xwininfo -id "$WINDOW" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4} END {print x, y}')
xdotool mousemove $((left + 300)) $((top - 8)) click --repeat 2 --delay 80 1
unchanged "double click on the title bar"

xdotool windowactivate --sync "$WINDOW" key F1
wait_for "xdotool search --onlyvisible --name '^Clavito Help$'" || fail "F1 opened no guide"
stop_clavito
echo PASS
