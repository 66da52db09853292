#!/usr/bin/env bash
# Key-to-sound time, what a player hears: an XTest key press into Clavito's built-in synthesizer
# (AudioDriver=jack) and, in the same run on the same JACK dummy server, into the chain a JACK user would
# build from peers: jack-keyboard into `fluidsynth -a jack -m jack`, on the same SoundFont. The time runs to
# the first non-silent sample at a JACK audio input that records it (build/bench/keysound/keysound_bench).
# Usage: bench/keysound.sh build/clavito [presses] [soundfont]. Installs jack-keyboard and fluidsynth if
# missing. Reports figures only.
set -euo pipefail
source "$(dirname "$0")/../tests/e2e/lib.sh"
presses=${2:-40}
soundfont=${3:-/usr/share/sounds/sf2/FluidR3_GM.sf2}
recorder="$(dirname "$CLAVITO_BUILT")/bench/keysound/keysound_bench"
[ -x "$recorder" ] || fail "build the keysound_bench target first"
"$(dirname "$0")/../scripts/deps.sh" bench

start_xvfb
start_jack
period=$(jack_bufsize | awk '{print $1}')
rate=$(jack_samplerate)
echo "JACK dummy server: $period frames at $rate Hz, one period $(awk -v p="$period" -v r="$rate" \
    'BEGIN { printf "%.2f", 1000 * p / r }') ms"

synth_client=${SYNTH_CLIENT:-Clavito} # the JACK client of the synthesizer's audio
audio_port() { jack_lsp -t "$1" | awk -v c="$1" 'index($0, c ":") == 1 { port = $0 } /audio/ && port { print port; exit }'; }

echo "== Clavito, built-in synthesizer"
install_clavito <<INI
[MIDI]
Output=synth
AudioDriver=jack
SoundFont=$soundfont
INI
start_clavito
wait_for_main_window
wait_for "jack_lsp | grep -q '^$synth_client:'" || fail "the synthesizer's audio never reached JACK"
xdotool windowfocus --sync "$(main_window)"
"$recorder" "$(audio_port "$synth_client")" "$presses" z
stop_clavito

echo "== jack-keyboard -> fluidsynth -a jack -m jack"
# fluidsynth's shell reads a pipe that this script holds open, so it runs until the script ends.
mkfifo "$WORK/fluidsynth.in"
exec 3<>"$WORK/fluidsynth.in"
fluidsynth -a jack -m jack -o midi.jack.id=peer-synth -o audio.jack.id=peer-synth "$soundfont" \
    <"$WORK/fluidsynth.in" >"$WORK/fluidsynth.log" 2>&1 &
PIDS+=($!)
wait_for "jack_lsp | grep -q '^peer-synth:.*midi'" || fail "fluidsynth did not start"
midi_in=$(jack_lsp -t peer-synth | awk 'index($0, "peer-synth:") == 1 { port = $0 } /midi/ && port { print port; exit }')
jack-keyboard -a "$midi_in" >"$WORK/jack-keyboard.log" 2>&1 &
PIDS+=($!)
wait_for "xdotool search --onlyvisible --class jack-keyboard" || fail "jack-keyboard has no window"
wait_for "jack_lsp -c | grep -q '$midi_in'" || fail "jack-keyboard is not connected"
xdotool windowfocus --sync "$(xdotool search --onlyvisible --class jack-keyboard | head -n 1)"
"$recorder" "$(audio_port peer-synth)" "$presses" z
