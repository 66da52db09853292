#!/usr/bin/env bash
# Held keys and chords on the real program with the X server's own auto-repeat on: a held note sounds once
# and ends at its own release, three held keys sound together, and both stay exact while two busy loops
# load both cores (the window system's repeats then arrive late).
source "$(dirname "$0")/lib.sh"
start_xvfb
xset r on
xset r rate 250 30
start_jack
start_clavito_monitored </dev/null
xdotool windowfocus --sync "$(main_window)"
# The start-up stream ends with channel 9's modulation.
started() { midi_messages | grep -q '^B9 01 00$'; }
wait_for 10 started || fail "no start-up stream"

# Z, C and B play 57, 60 and 64; each release ends its note and both doublings.
off() { printf '80 %02X 00\n81 %02X 00\n82 %02X 00\n' "$1" $(($1 + 12)) $(($1 - 12)); }
CHORD="90 39 7F
90 3C 7F
90 40 7F
$(off 64)
$(off 60)
$(off 57)"

# Runs the keys, waits until the expected count of lines has come, and checks them exactly.
played() {
    local expected=$1 from
    from=$(($(midi_messages | wc -l) + 1))
    shift
    "$@"
    wait_for 10 sh -c "[ \$(wc -l <'$WORK/midi.txt') -ge $((from - 1 + $(wc -l <<<"$expected"))) ]" || true
    local got
    got=$(midi_messages | tail -n +"$from")
    [ "$got" = "$expected" ] || fail "$*: got
$got
expected
$expected"
    echo "$*: $(wc -l <<<"$got") messages"
}

chord() {
    xdotool keydown z keydown c keydown b
    sleep 1
    xdotool keyup b keyup c keyup z
}
hold() {
    xdotool keydown z
    sleep 1.5
    xdotool keyup z
}
played "$CHORD" chord
played "90 39 7F
$(off 57)" hold

# Right button held on Z; the left clicks X, which plays while Z sounds on; the right release ends Z.
window=$(main_window)
two_buttons() {
    xdotool mousemove --window "$window" --sync 79 181 mousedown 3
    xdotool mousemove --window "$window" --sync 115 181 click 1
    xdotool mousemove --window "$window" --sync 79 181 mouseup 3
}
played "90 39 7F
90 3B 7F
$(off 59)
$(off 57)" two_buttons

busy() { while :; do :; done; }
busy &
LOADS=($!)
busy &
LOADS+=($!)
PIDS+=("${LOADS[@]}")
played "$CHORD" chord
kill "${LOADS[@]}"
stop_clavito
echo "PASS"
