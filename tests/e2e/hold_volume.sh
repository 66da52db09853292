#!/usr/bin/env bash
# Holding "PU" with the mouse: one step at the press, the repeat after the delay, the volume controllers
# climbing to 127 and staying there, and nothing after the release.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_jack
start_midi_monitor
install_clavito <<'INI'
[MIDI]
Output=jack
Connect=midi-monitor:input
INI
start_clavito
wait_for 20 main_window || fail "no main window: $(cat "$WORK/clavito.log")"
window=$(main_window)
sleep 0.5
# "PU" is the 38-pixel panel at 604,32 of the window's panel, which sits right under the menu bar.
xdotool mousemove --window "$window" --sync 623 73
xdotool mousedown 1
sleep 2.5
xdotool mouseup 1
sleep 0.2
lines=$(wc -l <"$WORK/midi.txt")
sleep 0.5
[ "$(wc -l <"$WORK/midi.txt")" -eq "$lines" ] || fail "messages went on after the release"
volumes=$(midi_messages | awk '$1 == "B0" && $2 == "07" {print $3}' | tail -n +2)
echo "channel 0 volumes after start: $(echo "$volumes" | tr '\n' ' ' | cut -c1-200)..."
first=$(echo "$volumes" | head -n 1)
[ "$first" = "68" ] || fail "the first step should send 104 (68), got $first"
[ "$(echo "$volumes" | tail -n 1)" = "7F" ] || fail "the volume did not reach 127"
[ "$(echo "$volumes" | grep -c .)" -gt 12 ] || fail "too few steps: the repeat did not run"
echo "$volumes" | awk 'NR > 1 && ($1 "") < prev { bad = 1 } { prev = $1 "" } END { exit bad }' ||
    fail "the volume went down"
stop_clavito
grep -q '^Volume=32$' "$WORK/clavito.INI" || fail "Volume 32 not saved"
echo "PASS"
