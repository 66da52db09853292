#!/usr/bin/env bash
# The built-in synthesizer, rendered by FluidSynth's file driver (16-bit stereo at 44.1 kHz): silence before
# the key, sound while it is held, and silence again once the release has died away; with the sustain pedal
# down, the note sounds on after its key's release until the pedal goes up. Each step waits for a stretch of
# rendered audio, so the positions hold however slowly the machine renders.
source "$(dirname "$0")/lib.sh"
start_xvfb
install_clavito <<INI
[MIDI]
Output=synth
SoundFont=/usr/share/sounds/sf2/TimGM6mb.sf2
AudioDriver=file
AudioFile=$WORK/out.wav
[Play]
Sustain=1
INI
start_clavito
wait_for_main_window
xdotool windowfocus --sync "$WINDOW"
rendered_ms() { echo $((($(stat -c %s "$WORK/out.wav" 2>/dev/null || echo 44) - 44) * 10 / 1764)); }
render() {
    local until=$(($(rendered_ms) + $1))
    wait_for "[ \$(rendered_ms) -ge $until ]" || fail "rendering stalled"
}
# key <keydown|keyup> <key> <milliseconds>: the key, then that much rendered audio.
key() { xdotool "$1" "$2" && render "$3"; }
render 1000
key keydown z 500
key keyup z 3000
# The same note with the pedal down through its release.
key keydown space 500
key keydown z 500
key keyup z 3000
key keyup space 3000
stop_clavito
# peak <start> <length>: the largest magnitude of a sample in that stretch of the recording (sox trim).
peak() {
    sox "$WORK/out.wav" -n trim "$@" stat 2>&1 |
        awk '/^M(ax|in)imum amplitude/ { m = ($3 < 0 ? -$3 : $3); if (m > p) p = m } END { print p + 0 }'
}
before=$(peak 0 0.5) during=$(peak 1 0.5) after=$(peak 3.5 1) held=$(peak 7 1) released=$(peak -1)
echo "peak before the key $before, with it $during, after the release $after;" \
    "pedal down after the release $held, after the pedal's $released"
awk -v b="$before" -v d="$during" -v a="$after" -v h="$held" -v r="$released" \
    'BEGIN { exit !(b < 0.001 && d > 0.01 && a < 0.001 && h > 0.001 && r < 0.001) }' ||
    fail "not silent, sounding, silent, sustained, silent"
echo PASS
