#!/usr/bin/env bash
# Start-up benchmark: time from exec to the main window being mapped, and resident memory once it is up,
# over five runs each with the built-in synthesizer on FluidR3_GM.sf2 and with a JACK MIDI port.
# Usage: bench/startup.sh build/clavito
set -euo pipefail
source "$(dirname "$0")/../tests/e2e/lib.sh"

runs=5
start_xvfb
start_jack

measure() {
    local label=$1 ini=$2
    local times=() rss=()
    for _ in $(seq $runs); do
        install_clavito <<<"$ini"
        local t0 t1
        t0=$(date +%s%N)
        start_clavito
        wait_for 20 main_window || fail "no window ($label)"
        t1=$(date +%s%N)
        times+=($(((t1 - t0) / 1000000)))
        sleep 1
        rss+=($(awk '/VmRSS/ {print $2}' "/proc/$CLAVITO_PID/status"))
        stop_clavito >/dev/null
    done
    printf '%-28s exec->mapped ms: %s (median %s)   RSS KiB: %s (median %s)\n' "$label" "${times[*]}" \
        "$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)" "${rss[*]}" \
        "$(printf '%s\n' "${rss[@]}" | sort -n | sed -n 3p)"
}

measure "synth, FluidR3_GM.sf2" "$(printf '[MIDI]\nOutput=synth\nAudioDriver=jack\nSoundFont=/usr/share/sounds/sf2/FluidR3_GM.sf2\n')"
measure "jack" "$(printf '[MIDI]\nOutput=jack\n')"
