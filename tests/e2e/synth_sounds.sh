#!/usr/bin/env bash
# The built-in synthesizer really sounds, and only while it should: a key held in the window, rendered by
# FluidSynth's file driver in real time, gives silence before the key, sound while it is held, and silence
# again once the release has died away.
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
xdotool windowfocus --sync "$(main_window)"
wait_for 20 test -s "$WORK/out.wav" || fail "no audio file"
sleep 1
xdotool keydown z
sleep 0.5
xdotool keyup z
sleep 3
stop_clavito
# peak <sox trim arguments>: the largest magnitude of a sample in that stretch of the recording.
peak() {
    sox "$WORK/out.wav" -n trim "$@" stat 2>&1 |
        awk '/^M(ax|in)imum amplitude/ { m = ($3 < 0 ? -$3 : $3); if (m > p) p = m } END { print p + 0 }'
}
before=$(peak 0 0.5) during=$(peak 0 -2) after=$(peak -1)
echo "peak amplitude before the key $before, with it $during, after the release $after"
awk -v p="$before" 'BEGIN { exit !(p < 0.001) }' || fail "sound before the key (peak $before)"
awk -v p="$during" 'BEGIN { exit !(p > 0.01) }' || fail "the key is silent (peak $during)"
awk -v p="$after" 'BEGIN { exit !(p < 0.001) }' || fail "the note never ended (peak $after)"
echo "PASS"
