#!/usr/bin/env bash
# With no JACK server the port cannot open: one "Error" box says so, and the main window shows. Each of
# SIGTERM, SIGINT and SIGHUP closes the window the normal way (a box that is up closes first), and the
# settings are written.
source "$(dirname "$0")/lib.sh"
start_xvfb
export JACK_DEFAULT_SERVER="clavito-e2e-none-$$" JACK_NO_START_SERVER=1
for signal_when in TERM:box INT:window HUP:window; do
    printf '[MIDI]\nOutput=jack\n' | install_clavito
    start_clavito
    if [ "${signal_when#*:}" = box ]; then
        wait_for 'error_boxes | grep -q .' || fail "no Error box"
    else
        read_error_box 'No Midi Device'
        wait_for_main_window
    fi
    kill -"${signal_when%:*}" "$CLAVITO_PID"
    wait "$CLAVITO_PID" || fail "SIG${signal_when%:*} ended clavito with $?: $(cat "$WORK/clavito.log")"
    grep -qx 'Volume=25' "$WORK/clavito.INI" || fail "settings not written at SIG${signal_when%:*}"
done
echo PASS
