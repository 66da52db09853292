#!/usr/bin/env bash
# On a private headless PipeWire session: a first start with no settings file plays the built-in synthesizer
# through PipeWire's PulseAudio server, silent until the first key and sounding after "z x c" (the default
# sink's monitor recorded, measured with sox). PipeWire's JACK library serves the same JACK port as jackd,
# which the other scripts play through.
source "$(dirname "$0")/lib.sh"
session=${CLAVITO_PW_SESSION:-$(dirname "$0")/../../../shared/tools/pw-session.sh}
[ -x "$session" ] || fail "no PipeWire session script at $session (set CLAVITO_PW_SESSION)"
export PWLAB_DIR="$WORK/pw"
# The clients end before the session's servers.
trap 'for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do end_process "${PIDS[i]}"; done; "$session" stop 2>/dev/null; cleanup' EXIT
eval "$("$session" start)"
start_xvfb

# record_peak <n>: records a second of the default sink's monitor and prints its peak.
record_peak() {
    local file=$WORK/rec$1.wav
    parecord --device=test.monitor --rate=48000 --channels=2 --format=s16le --file-format=wav "$file" &
    local pid=$!
    wait_for "[ \$(stat -c %s '$file' 2>/dev/null || echo 0) -ge $((48000 * 4 + 44)) ]" || fail "recording stalled"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    sox "$file" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'
}
install_clavito </dev/null
rm "$WORK/clavito.INI"
start_clavito
wait_for_main_window
wait_for 'pactl list short sink-inputs | grep -q .' || fail "no stream reached PipeWire"
quiet=$(record_peak 1)
xdotool windowfocus --sync "$WINDOW" keydown z keydown x keydown c
loud=$(record_peak 2)
xdotool keyup z keyup x keyup c
echo "peak before the keys $quiet, after them $loud"
awk -v q="$quiet" -v l="$loud" 'BEGIN { exit !(q < 0.01 && l > 0.05) }' || fail "not silent, then sounding"
stop_clavito
grep -qx 'Volume=25' "$WORK/clavito.INI" || fail "no settings written"
echo PASS
