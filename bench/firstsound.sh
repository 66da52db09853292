#!/usr/bin/env bash
# First sound, what a desktop user hears at start: Clavito with the built-in synthesizer on FluidR3_GM.sf2 and
# the default audio driver (pulseaudio, served by PipeWire's PulseAudio server), an XTest key pressed the
# moment the main window is mapped, and the time from exec to the first non-silent sample in the monitor of
# the session's null sink "test". Five runs, each a fresh program; prints each run and the medians.
# The session is ../shared/tools/pw-session.sh's (CLAVITO_PW_SESSION names another script): one already
# running under PWLAB_DIR is used as it is, else a private one is started, and stopped at the end.
# Usage: bench/firstsound.sh build/clavito [soundfont]. Reports figures only.
set -euo pipefail
source "$(dirname "$0")/../tests/e2e/lib.sh"
soundfont=${2:-/usr/share/sounds/sf2/FluidR3_GM.sf2}
runs=5
session=${CLAVITO_PW_SESSION:-$(dirname "$0")/../../shared/tools/pw-session.sh}
[ -x "$session" ] || fail "no PipeWire session script at $session (set CLAVITO_PW_SESSION)"
export PWLAB_DIR=${PWLAB_DIR:-$WORK/pw}
if "$session" status 2>/dev/null; then
    eval "$("$session" env)"
else
    # The clients end before the session's servers.
    trap 'for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do end_process "${PIDS[i]}"; done; "$session" stop 2>/dev/null; cleanup' EXIT
    eval "$("$session" start)"
fi
start_xvfb

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { printf '%s\n' "$@" | sort -n | sed -n "$((($# + 1) / 2))p"; }

# The monitor, recorded for the whole run as raw 16-bit stereo at 48 kHz. The byte count at exec marks exec
# in the recording; the capture's own delay (some 5 ms) makes that mark early and the figure as much longer.
rate=48000
bytes_per_ms=$((rate * 4 / 1000))
parec --device=test.monitor --raw --format=s16le --rate=$rate --channels=2 --latency-msec=5 >"$WORK/monitor.raw" &
PIDS+=($!)
recorded() { stat -c %s "$WORK/monitor.raw"; }
wait_for '[ $(recorded) -gt 0 ]' || fail "the monitor records nothing"
# first_sound <byte offset>: the first frame from there with a sample above -54 dBFS, counted from there.
# The reader stops at it, so od's broken pipe is no failure.
first_sound() {
    od -An -v -td2 -w4 -j "$1" "$WORK/monitor.raw" |
        awk '{ if ($1 > 64 || $1 < -64 || $2 > 64 || $2 < -64) { print NR - 1; found = 1; exit } } END { exit !found }'
    return "${PIPESTATUS[1]}"
}
# recorded_since <byte offset> <ms>: that much has been recorded from there.
recorded_since() { [ "$(recorded)" -ge $(($1 + $2 * bytes_per_ms)) ]; }
# The last 300 ms recorded are silent.
quiet() { ! first_sound $(($(recorded) - 300 * bytes_per_ms)); }

install_clavito <<INI
[MIDI]
Output=synth
SoundFont=$soundfont
INI
mapped_ms=() key_ms=() sound_ms=() after_key_ms=()
for run in $(seq $runs); do
    from=$(recorded)
    t0=$(now_ms)
    start_clavito
    # Polled every few milliseconds: wait_for's tenth of a second is too coarse here.
    until window=$(main_window) && [ -n "$window" ]; do sleep 0.002; done
    mapped_ms+=($(($(now_ms) - t0)))
    xdotool windowfocus "$window" keydown z
    key_ms+=($(($(now_ms) - t0)))
    # The recording is read once two seconds of it are there, so that reading it takes no processor from the
    # start measured; a later sound is looked for a second at a time.
    for seconds in $(seq 2 20); do
        wait_for "recorded_since $from $((seconds * 1000))" || fail "the monitor stopped recording"
        if frames=$(first_sound "$from"); then break; fi
    done
    [ -n "$frames" ] || fail "no sound in run $run: $(cat "$WORK/clavito.log")"
    sound_ms+=($((frames * 1000 / rate)))
    after_key_ms+=($((sound_ms[-1] - key_ms[-1])))
    xdotool keyup z
    stop_clavito
    printf 'run %s: exec->mapped %4s ms, exec->key %4s ms, exec->first sound %4s ms, key->sound %4s ms\n' \
        "$run" "${mapped_ms[-1]}" "${key_ms[-1]}" "${sound_ms[-1]}" "${after_key_ms[-1]}"
    # The next run starts on silence.
    stopped=$(recorded)
    wait_for "recorded_since $stopped 300 && quiet" || fail "the monitor stays loud"
done
printf 'median of %s: exec->mapped %s ms, exec->key %s ms, exec->first sound %s ms, key->sound %s ms\n' \
    "$runs" "$(median "${mapped_ms[@]}")" "$(median "${key_ms[@]}")" "$(median "${sound_ms[@]}")" \
    "$(median "${after_key_ms[@]}")"
