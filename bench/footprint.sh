#!/usr/bin/env bash
# Memory and processor figures: the proportional set size without JACK's shared memory (Pss_Anon +
# Pss_File of /proc/PID/smaps_rollup) with Output=jack and with the built-in synthesizer once FluidR3_GM.sf2
# is loaded; then the share of one core over 10 s idle, with the mouse holding the pitch-bend knob still,
# with the mouse dragging the knob up and down its track (a move every 8 ms, as a common mouse reports, each
# a bend), and with the mouse holding Page Up (auto-repeat on the 400 ms and 32 ms timers).
# Usage: bench/footprint.sh build/clavito. Reports figures only.
set -euo pipefail
source "$(dirname "$0")/../tests/e2e/lib.sh"
start_xvfb
start_jack

pss_mib() {
    awk '/^Pss_(Anon|File):/ { kib += $2 } END { printf "%.1f", kib / 1024 }' "/proc/$CLAVITO_PID/smaps_rollup"
}

install_clavito <<<"$(printf '[MIDI]\nOutput=jack\n')"
start_clavito
wait_for_main_window
sleep 1
echo "memory, Output=jack:                 $(pss_mib) MiB (Pss_Anon + Pss_File)"
stop_clavito

install_clavito <<<"$(printf '[MIDI]\nOutput=synth\nAudioDriver=jack\nSoundFont=/usr/share/sounds/sf2/FluidR3_GM.sf2\n')"
start_clavito
wait_for_main_window
wait_for "jack_lsp | grep -q '^${SYNTH_CLIENT:-Clavito}:'" || fail "the synthesizer's audio never started"
sleep 1
echo "memory, synth on FluidR3_GM.sf2:     $(pss_mib) MiB (Pss_Anon + Pss_File)"
stop_clavito

install_clavito <<<"$(printf '[MIDI]\nOutput=jack\n')"
start_clavito
wait_for_main_window
window=$(main_window)
sleep 1
hz=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$CLAVITO_PID/stat"; }
cpu_share() {
    local before after
    before=$(cpu_ticks)
    sleep 10
    after=$(cpu_ticks)
    awk -v t=$((after - before)) -v hz="$hz" -v l="$1" 'BEGIN { printf "processor, %-25s %5.1f %% of a core\n", l ":", 100 * t / hz / 10 }'
}
# hold <x> <y> <label>: the mouse holds the left button at that point of the window while measuring.
hold() {
    xdotool mousemove --window "$window" --sync "$1" "$2" mousedown 1
    cpu_share "$3"
    xdotool mouseup 1
    sleep 0.5
}
# drag <x> <y> <label>: the same, the pointer meanwhile sweeping up and down to 50 pixels from there, a
# pixel a move, until the measurement ends.
drag() {
    local moves=() i p
    for ((i = 1; i <= 1500; i++)); do
        p=$((i % 200))
        p=$((p < 50 ? p : p < 150 ? 100 - p : p - 200))
        moves+=(mousemove --window "$window" "$1" $(($2 + p)) sleep 0.008)
    done
    xdotool mousemove --window "$window" --sync "$1" "$2" mousedown 1
    xdotool "${moves[@]}" &
    local mover=$!
    cpu_share "$3"
    kill "$mover" 2>/dev/null || true
    wait "$mover" 2>/dev/null || true
    xdotool mouseup 1
    sleep 0.5
}
cpu_share "idle"
# The knob is the 21x13 panel at 708,100 of the main panel and Page Up the 38x38 panel at 604,32; the main
# panel lies right under the menu bar.
menu=$(($(xwininfo -id "$window" | awk '/Height:/ {print $2}') - 233))
hold 718 $((106 + menu)) "pitch-bend knob held"
drag 718 $((106 + menu)) "pitch-bend knob dragged"
hold 623 $((51 + menu)) "Page Up held"
stop_clavito
