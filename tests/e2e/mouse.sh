#!/usr/bin/env bash
# The mouse on the real window: ten fast clicks on "Z" (the window system turns every second one into a
# double-click) play ten notes and end them all; holding "PU" steps once at the press, repeats after the
# delay, the volume controllers climb to 127 and stay there, and nothing follows the release.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_jack
start_clavito_monitored </dev/null
window=$(main_window)
sleep 0.5
# "Z" is the 38-pixel panel at 60,140 of the window's panel, which sits right under the menu bar.
xdotool mousemove --window "$window" --sync 79 181
xdotool click --repeat 10 --delay 100 1
sleep 0.5
ons=$(midi_messages | grep -c '^90 39 7F$' || true)
offs=$(midi_messages | grep -c '^80 39 00$' || true)
[ "$ons" -eq 10 ] && [ "$offs" -eq 10 ] || fail "ten clicks gave $ons Note Ons and $offs Note Offs"
echo "ten clicks on Z: $ons Note Ons, $offs Note Offs"

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
