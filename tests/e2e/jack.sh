#!/usr/bin/env bash
# The real program on a JACK server of the test's own, under X11 with the server's auto-repeat on. On a MIDI
# port wired to a monitor: exactly the start-up stream, the held knob following the pointer out of the
# window, and three held keys that sound once each, together, while two busy loops load both cores (the
# repeats then arrive late). Then the server goes away while the
# program plays through the port or through the built-in synthesizer (its audio wired to the system's
# playback). One that shuts down: one box in the menu language says that the output stopped, and the keys go
# on working. One that stops answering (SIGSTOP): choosing an output gives up on it and says that the output
# cannot open, and SIGTERM still ends the program and writes the settings. Once a server answers again,
# choosing the output reconnects it and sends the sound and the controllers as at the start, as the keys left
# them.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_jack
start_monitor
install_clavito <<'INI'
[MIDI]
Output=jack
Connect=midi-monitor:input
AudioDriver=jack
SoundFont=/usr/share/sounds/sf2/TimGM6mb.sf2
[Options]
Menu-Japanese=1
INI
start_clavito
wait_for_main_window
xset r rate 250 30 # the X server repeats from the start
xdotool windowfocus --sync "$WINDOW"
wait_for_messages 28 && [ "$(midi_messages)" = "$(opening_stream)" ] || fail "the start-up stream: $(midi_messages)"

# The knob (its middle at 718, 128 in the window, the track from 58 to 199) follows the held left button,
# whose grab sends the window the pointer's moves outside it too: at the screen's top the bend is full up,
# below the window full down, to the right of it at the height of 144 it is 47 (0x2F); the release returns
# it to the centre on the controller channels.
bend() { printf 'E0 00 %s\nE1 00 %s\nE2 00 %s\n' "$1" "$1" "$1"; }
eval "$(xdotool getwindowgeometry --shell "$WINDOW")" # the window's corner, X and Y
xdotool mousemove --window "$WINDOW" --sync 718 128 mousedown 1
while read -r x y step; do
    played "$(bend "$step")" xdotool mousemove --sync "$x" "$y"
done <<EOF
$((X + 718)) 0 7F
$((X + 718)) 760 00
1020 $((Y + 144)) 2F
EOF
played "$(bend 40)
E9 00 40" xdotool mouseup 1

busy() { while :; do :; done; }
spawn busy
spawn busy
# Z, C and B play 57, 60 and 64, and go up in the reverse order of going down.
hold() { xdotool keydown $1 && sleep "$2" && xdotool keyup $(rev <<<"$1"); }
played "90 39 7F
90 3C 7F
90 40 7F
$(off 64)
$(off 60)
$(off 57)" hold "z c b" 1
for busy in "${PIDS[@]: -2}"; do end_process "$busy"; done

# Page Up raises the volume while nothing listens, and a key plays into the void without a complaint.
lost() {
    end_process "$JACKD_PID"
    read_error_box 'MIDI 出力が止まりました。「ｵﾌﾟｼｮﾝ」の「出力先」で出力先を選んでください。'
    xdotool windowfocus --sync "$WINDOW" key Prior z
    [ -z "$(error_boxes)" ] || fail "a second box"
    end_process "$MONITOR_PID"
    start_jack
    start_monitor
}
# reconnect <volume step>: the monitor, listed after the built-in synthesizer, chosen. A close given up on
# goes on when the server does; the reset it queued may come first, or be lost in the cycles that the dummy
# server overruns on waking.
reconnect() {
    choose_output 2
    wait_for "[ \"\$(midi_messages | tail -n 28)\" = \"\$(opening_stream $1)\" ]" ||
        fail "no reconnection with the sound and the controllers: $(midi_messages)"
    xdotool keydown z
    wait_for 'midi_messages | tail -n 1 | grep -qx "90 39 7F"' || fail "no note after the reconnection"
    xdotool keyup z
}
lost
choose_output 1
wait_for 'jack_lsp -c Clavito:left | grep -q system:playback' || fail "the synthesizer is not wired: $(jack_lsp -c)"
lost
reconnect 27
kill -STOP "$JACKD_PID"
choose_output 1 # the JACK ports are not listed while the server does not answer
read_error_box 'Built-in synthesizer: No Midi Device'
xdotool windowfocus --sync "$WINDOW" key Prior
kill -CONT "$JACKD_PID"
reconnect 28
kill -STOP "$JACKD_PID"
stop_clavito
kill -CONT "$JACKD_PID"
grep -qx 'Volume=28' "$WORK/clavito.INI" && grep -qx 'Output=jack' "$WORK/clavito.INI" ||
    fail "the settings were not written: $(cat "$WORK/clavito.INI")"
echo PASS
