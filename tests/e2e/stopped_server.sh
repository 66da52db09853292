#!/usr/bin/env bash
# A JACK server that stops answering (SIGSTOP): SIGTERM still ends the program and the settings are written;
# choosing an output meanwhile gives up on the server and says that the output cannot open, the window and
# its keys go on working, and once the server goes on, choosing the output again reconnects it.
source "$(dirname "$0")/lib.sh"
# The built-in synthesizer plays through JACK here, so that opening it needs the stopped server too.
start_monitored <<'INI'
AudioDriver=jack
SoundFont=/usr/share/sounds/sf2/TimGM6mb.sf2
[Options]
Menu-Japanese=0
INI
wait_for_messages 28 || fail "no start-up stream"
kill -STOP "$JACKD_PID"
started=$SECONDS
stop_clavito
echo "SIGTERM with the server stopped: ended after about $((SECONDS - started)) s"
kill -CONT "$JACKD_PID"
grep -qx 'Volume=25' "$WORK/clavito.INI" || fail "settings not written: $(cat "$WORK/clavito.INI")"

# The program's client of the first run has left the server.
wait_for '! jack_lsp | grep -q "^Clavito"' || fail "the first run's port stayed"
before=$(midi_messages | wc -l)
start_clavito
wait_for_main_window
wait_for_messages $((before + 28)) || fail "no start-up stream in the second run"
kill -STOP "$JACKD_PID"
choose_output 1 # the built-in synthesizer: the JACK ports are not listed while the server does not answer
read_error_box 'Built-in synthesizer: No Midi Device'
xdotool windowfocus --sync "$WINDOW" key Prior
kill -CONT "$JACKD_PID"
choose_output 2
# The close given up on goes on when the server does; the reset it queued may come first, or be lost in the
# cycles that the dummy server overruns on waking.
wait_for '[ "$(midi_messages | tail -n 28)" = "$(opening_stream 26)" ]' ||
    fail "no reconnection with the sound and the controllers: $(midi_messages | tail -n +$((before + 1)))"
xdotool keydown z
wait_for 'midi_messages | tail -n 1 | grep -qx "90 39 7F"' || fail "no note after the reconnection"
xdotool keyup z
grep -qx 'Output=jack' "$WORK/clavito.INI" || fail "the output chosen was not stored"
stop_clavito
echo PASS
