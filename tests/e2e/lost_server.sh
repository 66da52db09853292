#!/usr/bin/env bash
# A JACK server that shuts down while the program plays: one box in the menu language says that the output
# stopped, the keys go on working, and once a new server runs, choosing the output again reconnects it and
# sends the sound and the controllers as at the start, as the keys left them.
source "$(dirname "$0")/lib.sh"
start_monitored <<'INI'
[Options]
Menu-Japanese=1
INI
wait_for_messages 28 || fail "no start-up stream"
end_process "$JACKD_PID"
read_error_box 'MIDI 出力が止まりました。「ｵﾌﾟｼｮﾝ」の「出力先」で出力先を選んでください。'
# Page Up raises the volume while nothing listens, and a key plays into the void without a complaint.
xdotool windowfocus --sync "$WINDOW" key Prior z
[ -z "$(error_boxes)" ] || fail "a second box"

end_process "$MONITOR_PID"
start_jack
start_monitor
choose_output 2 # the built-in synthesizer, then the monitor
wait_for_messages 28 || fail "no reconnection: $(midi_messages)"
xdotool keydown z
wait_for_messages 29 || fail "no note after the reconnection"
[ "$(midi_messages)" = "$(opening_stream 26; echo '90 39 7F')" ] || fail "the stream differs:
$(midi_messages)"
xdotool keyup z
stop_clavito
echo PASS
