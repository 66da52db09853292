#!/usr/bin/env bash
# With no JACK server the port cannot open: one "Error" box saying so, and after it the main window; a
# SIGTERM that comes while the box is up closes the box, then the window, and the settings are written.
source "$(dirname "$0")/lib.sh"
start_xvfb
export JACK_DEFAULT_SERVER="clavito-e2e-none-$$"
export JACK_NO_START_SERVER=1
for signal_at in after-box during-box; do
    printf '[MIDI]\nOutput=jack\n' | install_clavito
    start_clavito
    if [ $signal_at = after-box ]; then
        read_and_dismiss_error_box
        grep -qx 'No Midi Device' <<<"$BOX_TEXT" || fail "the box reads: $BOX_TEXT"
        wait_for 20 main_window || fail "no main window after the box"
    else
        wait_for 20 sh -c "xdotool search --onlyvisible --name '^Error$' | grep -q ." || fail "no Error box"
    fi
    stop_clavito
    grep -q '^Volume=25$' "$WORK/clavito.INI" || fail "settings not written at exit ($signal_at)"
done
echo "PASS"
