#!/usr/bin/env bash
# Under a real window manager the main window keeps its size: dragging it to another size, a maximise
# request and a double click on its title bar all leave it as it is. F1 opens the guide.
# Usage: window_size.sh <clavito> <winsize_maximize>
source "$(dirname "$0")/lib.sh"
maximize=${2:?usage: $0 <clavito> <winsize_maximize>}
start_xvfb
start_openbox
start_jack
install_clavito <<'INI'
[MIDI]
Output=jack
[Position]
X=100
Y=100
INI
start_clavito
wait_for_main_window
window=$(main_window)
sleep 1
size_now() { xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }
expected=$(size_now)
echo "shown at $expected"
[ "${expected%x*}" -eq 761 ] || fail "the window is $expected, not 761 wide"

check() {
    sleep 1
    [ "$(size_now)" = "$expected" ] || fail "$1 changed the size to $(size_now)"
    echo "ok   $1"
}
xdotool windowsize "$window" 900 500
check "windowsize 900 500"
xdotool windowsize "$window" 300 200
check "windowsize 300 200"
"$maximize" "$window"
check "maximise request"
read -r left top < <(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4} END {print x, y}')
xdotool mousemove $((left + 300)) $((top - 8)) click --repeat 2 --delay 80 1
check "double click on the title bar"

# F1 opens the guide in a window of its own; the program's exit closes it.
xdotool windowactivate --sync "$window"
xdotool key F1
wait_for 10 sh -c "xdotool search --onlyvisible --name '^Clavito Help$' | grep -q ." || fail "F1 opened no guide"
echo "ok   F1 opened the guide"
stop_clavito
echo "PASS"
