#!/usr/bin/env bash
# Start-up benchmark: time from exec to the main window being mapped, median of five runs, for Clavito with
# a JACK MIDI port, for jack-keyboard (the peer, installed if missing) in the same session, and for Clavito
# with the built-in synthesizer on FluidR3_GM.sf2, where it also takes the time until the synthesizer's
# audio is up in JACK (the SoundFont is loaded then). Prints the ratio of the JACK port's median to
# jack-keyboard's. Usage: bench/startup.sh build/clavito. Reports figures only.
set -euo pipefail
source "$(dirname "$0")/../tests/e2e/lib.sh"
"$(dirname "$0")/../scripts/deps.sh" bench

runs=5
start_xvfb
start_jack

now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Polls every few milliseconds: wait_for's tenth of a second is too coarse here.
poll() { until "$@" >/dev/null 2>&1; do sleep 0.002; done; }
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }
mapped() { xdotool search --onlyvisible --name "$1" | grep -q .; }

# measure <label> <window title regex> <JACK port regex or empty> <command...>; sets MEDIAN.
measure() {
    local label=$1 title=$2 port=$3; shift 3
    local times=() ready=()
    for _ in $(seq $runs); do
        local t0 pid
        t0=$(now_ms)
        "$@" >"$WORK/run.log" 2>&1 &
        pid=$!
        PIDS+=("$pid")
        poll mapped "$title"
        times+=($(($(now_ms) - t0)))
        if [ -n "$port" ]; then
            poll sh -c "jack_lsp | grep -q '$port'"
            ready+=($(($(now_ms) - t0)))
        fi
        kill -TERM "$pid"
        wait "$pid" || true
    done
    MEDIAN=$(median "${times[@]}")
    printf '%-34s exec->mapped ms: %-24s median %s\n' "$label" "${times[*]}" "$MEDIAN"
    [ -z "$port" ] || printf '%-34s exec->sound ready ms: %-20s median %s\n' "" "${ready[*]}" \
        "$(median "${ready[@]}")"
}

# Run in the background, the function is a subshell of its own, which exec turns into the program.
clavito() { cd "$WORK" && exec ./clavito; }

install_clavito <<<"$(printf '[MIDI]\nOutput=jack\n')"
measure "Clavito, Output=jack" '^Clavito$' '' clavito
ours=$MEDIAN
measure "jack-keyboard" '^jack-keyboard' '' jack-keyboard
peer=$MEDIAN
awk -v a="$ours" -v b="$peer" 'BEGIN { printf "ratio Clavito (jack) / jack-keyboard: %.2f\n", a / b }'

install_clavito <<<"$(printf '[MIDI]\nOutput=synth\nAudioDriver=jack\nSoundFont=/usr/share/sounds/sf2/FluidR3_GM.sf2\n')"
measure "Clavito, synth, FluidR3_GM.sf2" '^Clavito$' "^${SYNTH_CLIENT:-Clavito}:" clavito
