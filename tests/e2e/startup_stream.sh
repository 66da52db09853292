#!/usr/bin/env bash
# The real program on a JACK MIDI port: the exact stream at start, and the reset when SIGTERM ends it.
source "$(dirname "$0")/lib.sh"
start_monitored </dev/null
resets=$(printf 'B%s 7B 00\n' 0 1 2 3 4 5 6 7 8 9 A B C D E F)
expected="$resets
$(printf '%s\n' "C9 00" "C0 00" "C1 00" "C2 00")
$(printf 'B%s 07 64\n' 0 1 2 9)
$(printf 'B%s 01 00\n' 0 1 2 9)
$resets"
wait_for_messages 28 || fail "start-up stream incomplete: $(midi_messages)"
stop_clavito
wait_for_messages 44 || fail "no closing reset: $(midi_messages)"
[ "$(midi_messages)" = "$expected" ] || fail "the stream differs:
$(midi_messages)"
echo PASS
