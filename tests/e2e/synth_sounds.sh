#!/usr/bin/env bash
# The built-in synthesizer really sounds: a key typed into the window, rendered by FluidSynth's file driver.
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
window=$(main_window)
sleep 1
xdotool windowfocus --sync "$window"
xdotool key --delay 400 z x c
sleep 1
stop_clavito
[ -s "$WORK/out.wav" ] || fail "no audio file"
peak=$(sox "$WORK/out.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
echo "peak amplitude $peak"
awk -v p="$peak" 'BEGIN { exit !(p > 0.01) }' || fail "the recording is silent (peak $peak)"
echo "PASS"
