#!/usr/bin/env bash
# Raw X keycodes typed into the real program, under each keyboard type; the Note Ons on the JACK port show
# which panel each physical key reached.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_jack

enough_note_ons() { [ "$(midi_messages | grep -c '^90 ')" -ge "$NOTE_ONS_WANTED" ]; }

# keyboard-type code, PosShift, X keycodes (evdev + 8), expected Note On lines
check_type() {
    local type=$1 shift=$2 keycodes=$3 expected=$4
    start_clavito_monitored <<INI
[Options]
KeyBoard=$type
[Sound]
PosShift=$shift
INI
    xdotool windowfocus --sync "$(main_window)"
    for code in $keycodes; do
        xdotool key --delay 50 "$code"
    done
    NOTE_ONS_WANTED=$(($(wc -w <<<"$expected") / 3))
    wait_for 10 enough_note_ons || true
    sleep 0.3
    local got
    got=$(midi_messages | grep '^90 ' | tr '\n' ' ' | sed 's/ $//')
    [ "$got" = "$expected" ] || fail "keyboard type $type: got '$got', expected '$expected'"
    stop_clavito
    # This run's monitor (started just before the program) goes, so the next run's can take its name.
    local monitor=${PIDS[${#PIDS[@]} - 2]}
    kill "$monitor"
    wait "$monitor" 2>/dev/null || true
    echo "keyboard type $type: $got"
}

# 106 Japanese, shifted by one white key: Z, ro, yen, and the key right of P (@).
check_type 0 1 "52 97 132 34" "90 37 7F 90 48 7F 90 57 7F 90 54 7F"
# 101 English: ' [ ] = play; ; and \ are silent.
check_type 2 0 "48 34 35 21 47 51" "90 49 7F 90 56 7F 90 58 7F 90 57 7F"
# PC 98: ro reaches the "_" panel; Q.
check_type 1 0 "97 24" "90 4A 7F 90 45 7F"
echo "PASS"
