#!/usr/bin/env bash
# With no JACK server the port cannot open: one "Error" box says so, then the main window shows; a SIGTERM
# while the box is up closes the box, then the window, and the settings are written either way.
source "$(dirname "$0")/lib.sh"
start_xvfb
export JACK_DEFAULT_SERVER="clavito-e2e-none-$$" JACK_NO_START_SERVER=1
for signal_during_box in false true; do
    printf '[MIDI]\nOutput=jack\n' | install_clavito
    start_clavito
    if $signal_during_box; then
        wait_for 'error_boxes | grep -q .' || fail "no Error box"
    else
        read_error_box 'No Midi Device'
        wait_for_main_window
    fi
    stop_clavito
    grep -qx 'Volume=25' "$WORK/clavito.INI" || fail "settings not written at exit"
done
echo PASS
