#!/usr/bin/env bash
# The program's processor use over 10 s idle (every timer disabled) and over 10 s with the pitch-bend knob
# held (the 1 ms timer polling the pointer). Usage: bench/cpu.sh build/clavito
set -euo pipefail
source "$(dirname "$0")/../tests/e2e/lib.sh"
start_xvfb
start_jack
install_clavito <<'INI'
[MIDI]
Output=jack
INI
start_clavito
wait_for 20 main_window || fail "no window"
window=$(main_window)
sleep 2

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$CLAVITO_PID/stat"; }
measure() {
    local label=$1 before after
    before=$(cpu_ticks)
    sleep 10
    after=$(cpu_ticks)
    awk -v t=$((after - before)) -v hz="$ticks_per_second" -v l="$label" \
        'BEGIN { printf "%-24s %.2f %% of a core\n", l, 100 * t / hz / 10 }'
}

measure "idle"
# The knob is the 21x13 panel at 708,100 of the window's panel, right under the menu bar.
xdotool mousemove --window "$window" --sync 718 128
xdotool mousedown 1
measure "knob held"
xdotool mouseup 1
stop_clavito
