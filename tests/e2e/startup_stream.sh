#!/usr/bin/env bash
# The real program on a JACK MIDI port: the exact stream at start, and the reset when SIGTERM ends it.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_jack
start_clavito_monitored </dev/null

expected=$(for c in 0 1 2 3 4 5 6 7 8 9 A B C D E F; do echo "B$c 7B 00"; done
    printf '%s\n' "C9 00" "C0 00" "C1 00" "C2 00" "B0 07 64" "B1 07 64" "B2 07 64" "B9 07 64" \
        "B0 01 00" "B1 01 00" "B2 01 00" "B9 01 00")
wait_for 10 sh -c "[ \$(wc -l <'$WORK/midi.txt') -ge 28 ]" || fail "start-up stream incomplete"
sleep 0.3
[ "$(midi_messages)" = "$expected" ] || fail "start-up stream differs:
$(midi_messages)"

stop_clavito
wait_for 10 sh -c "[ \$(wc -l <'$WORK/midi.txt') -ge 44 ]" || fail "no closing reset"
closing=$(midi_messages | tail -n +29)
[ "$closing" = "$(for c in 0 1 2 3 4 5 6 7 8 9 A B C D E F; do echo "B$c 7B 00"; done)" ] ||
    fail "the closing reset differs:
$closing"
grep -q '^Volume=25$' "$WORK/clavito.INI" || fail "settings not written at exit"
echo "PASS"
