#!/usr/bin/env bash
# With no JACK server the port cannot open: one "Error" box, and after it the main window.
source "$(dirname "$0")/lib.sh"
start_xvfb
export JACK_DEFAULT_SERVER="clavito-e2e-none-$$"
export JACK_NO_START_SERVER=1
install_clavito <<'INI'
[MIDI]
Output=jack
INI
start_clavito
wait_for 20 sh -c "xdotool search --onlyvisible --name '^Error$' | grep -q ." || fail "no Error box"
[ "$(xdotool search --onlyvisible --name '^Error$' | wc -l)" -eq 1 ] || fail "more than one Error box"
box=$(xdotool search --onlyvisible --name '^Error$')
# The box reads "No Midi Device": the widget tests compare its text; here it must be the window in front.
xdotool windowfocus --sync "$box"
xdotool key Return
wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Error$' | grep -q ." || fail "the box stayed"
wait_for 20 main_window || fail "no main window after the box"
stop_clavito
ms=$STOP_MS
grep -q '^Volume=25$' "$WORK/clavito.INI" || fail "settings not written at exit"
echo "PASS (exit $ms ms)"
