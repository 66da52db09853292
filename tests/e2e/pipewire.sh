#!/usr/bin/env bash
# On a private headless PipeWire session: a first start with no settings file plays the built-in synthesizer
# through PipeWire's PulseAudio server, silent until the first key and sounding after "z x c" on the default
# sink (recorded from its monitor, measured with sox); with Output=jack under pw-jack, Clavito:out is in
# PipeWire's graph and a Note On reaches a pw-jack jack_midi_dump.
source "$(dirname "$0")/lib.sh"
session=${CLAVITO_PW_SESSION:-$(dirname "$0")/../../../shared/tools/pw-session.sh}
[ -x "$session" ] || fail "no PipeWire session script at $session (set CLAVITO_PW_SESSION)"
export PWLAB_DIR="$WORK/pw"
trap 'cleanup_pw' EXIT
cleanup_pw() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    "$session" stop 2>/dev/null
    cleanup
}
eval "$("$session" start)"
start_xvfb

# Records the default sink's monitor until the WAV file holds the seconds asked for; prints its peak.
record_peak() {
    local file=$WORK/rec$1.wav bytes
    bytes=$(awk -v s="$2" 'BEGIN { print int(s * 48000 * 4) + 44 }')
    parecord --device=test.monitor --rate=48000 --channels=2 --format=s16le --file-format=wav "$file" &
    local pid=$!
    wait_for 30 sh -c "[ \$(stat -c %s '$file' 2>/dev/null || echo 0) -ge $bytes ]" || fail "recording stalled"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    sox "$file" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'
}

install_clavito </dev/null
rm "$WORK/clavito.INI"
start_clavito
wait_for_main_window
wait_for 30 sh -c 'pactl list short sink-inputs | grep -q .' || fail "no stream reached PipeWire"
quiet=$(record_peak 1 1)
xdotool windowfocus --sync "$(main_window)"
xdotool keydown z keydown x keydown c
loud=$(record_peak 2 1)
xdotool keyup z keyup x keyup c
echo "peak before the keys $quiet, after them $loud"
awk -v q="$quiet" -v l="$loud" 'BEGIN { exit !(q < 0.01 && l > 0.05) }' || fail "not silent, then sounding"
stop_clavito
grep -qx 'Volume=25' "$WORK/clavito.INI" || fail "no settings written"

pw-jack jack_midi_dump >"$WORK/midi.txt" 2>&1 &
PIDS+=($!)
wait_for 20 sh -c 'pw-link -i | grep -qx "midi-monitor:input"' || fail "no monitor in PipeWire's graph"
printf '[MIDI]\nOutput=jack\nConnect=midi-monitor:input\n' >"$WORK/clavito.INI"
(cd "$WORK" && exec pw-jack ./clavito) >"$WORK/clavito.log" 2>&1 &
CLAVITO_PID=$!
PIDS+=("$CLAVITO_PID")
wait_for_main_window
wait_for 20 sh -c 'pw-link -o | grep -qx "Clavito:out"' || fail "no Clavito:out in PipeWire's graph"
xdotool windowfocus --sync "$(main_window)"
xdotool key z
wait_for 20 sh -c "grep -qE '^ *[0-9]+: 90 [0-9a-f]{2} 7f' '$WORK/midi.txt'" || fail "no Note On: $(cat "$WORK/midi.txt")"
stop_clavito
echo "PASS"
