#!/usr/bin/env bash
# The built-in synthesizer, rendered by FluidSynth's file driver (16-bit stereo at 44.1 kHz): silence before
# the key, sound while it is held, and silence again once the release has died away. Each step waits for a
# stretch of rendered audio, so the positions hold however slowly the machine renders.
source "$(dirname "$0")/lib.sh"
start_xvfb
install_clavito <<INI
[MIDI]
Output=synth
SoundFont=/usr/share/sounds/sf2/TimGM6mb.sf2
AudioDriver=file
AudioFile=$WORK/out.wav
INI
start_clavito
wait_for_main_window
xdotool windowfocus --sync "$WINDOW"
rendered_ms() { echo $((($(stat -c %s "$WORK/out.wav" 2>/dev/null || echo 44) - 44) * 10 / 1764)); }
render() {
    local until=$(($(rendered_ms) + $1))
    wait_for "[ \$(rendered_ms) -ge $until ]" || fail "rendering stalled"
}
render 1000
xdotool keydown z
render 500
xdotool keyup z
render 3000
stop_clavito
# peak <sox trim arguments>: the largest magnitude of a sample in that stretch of the recording.
peak() {
    sox "$WORK/out.wav" -n trim "$@" stat 2>&1 |
        awk '/^M(ax|in)imum amplitude/ { m = ($3 < 0 ? -$3 : $3); if (m > p) p = m } END { print p + 0 }'
}
before=$(peak 0 0.5) during=$(peak 0 -2) after=$(peak -1)
echo "peak before the key $before, with it $during, after the release $after"
awk -v b="$before" -v d="$during" -v a="$after" 'BEGIN { exit !(b < 0.001 && d > 0.01 && a < 0.001) }' ||
    fail "not silent, sounding, silent"
echo PASS
