# The built program runs from a folder of the test's own (so its settings file is its own) under a private
# Xvfb display and, where needed, a private JACK server on the dummy driver; whatever the script started ends,
# by PID, when it exits.
set -euo pipefail
CLAVITO_BUILT=${1:?usage: $0 path/to/clavito}
WORK=$(mktemp -d)
PIDS=()
# running <pid>: alive and not a zombie waiting to be reaped.
running() { local state; state=$(ps -o stat= -p "$1") && [[ $state != Z* ]]; }
# end_process <pid>: SIGTERM, and SIGKILL if it has not ended 5 s later (a jackd that a client left while it
# stopped can wait for ever).
end_process() {
    kill "$1" 2>/dev/null || return 0
    local deadline=$((SECONDS + 5))
    while running "$1" && [ $SECONDS -lt $deadline ]; do sleep 0.05; done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
# Newest first: the program and the other clients end before the servers they talk to.
cleanup() {
    local i
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do end_process "${PIDS[i]}"; done
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
spawn() { "$@" & PIDS+=($!); }
# wait_for <shell condition>: a bound against hangs only, generous for a loaded machine.
wait_for() {
    local deadline=$((SECONDS + 60))
    until eval "$1" >/dev/null 2>&1; do [ $SECONDS -lt $deadline ] && sleep 0.1 || return 1; done
}

start_xvfb() {
    spawn Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log"
    wait_for '[ -s "$WORK/display" ]' && export DISPLAY=":$(cat "$WORK/display")" || fail "Xvfb did not start"
}
start_jack() {
    export JACK_DEFAULT_SERVER="${CLAVITO_TEST_JACK_PREFIX:-clavito}-e2e" JACK_NO_START_SERVER=1
    # On a loaded machine a cycle that a client does not finish in time loses its MIDI, and a client that
    # misses its timeout is dropped with its ports: realtime scheduling where allowed (root), and a generous
    # client timeout.
    local rt=--no-realtime
    [ "$(id -u)" -ne 0 ] || rt=--realtime
    spawn jackd $rt -t 20000 -d dummy -r 48000 -p 256 >"$WORK/jackd.log" 2>&1
    JACKD_PID=$!
    wait_for jack_lsp || fail "jackd did not start: $(cat "$WORK/jackd.log")"
}
# The program and its guide in the test's folder, with the settings file given on standard input.
install_clavito() { cp "$CLAVITO_BUILT" "$(dirname "$CLAVITO_BUILT")/Clavito.hlp" "$WORK/" && cat >"$WORK/clavito.INI"; }
# start_clavito [command]: ./clavito, or the command given, run in the test's folder.
start_clavito() {
    (cd "$WORK" && exec "${@:-./clavito}") >"$WORK/clavito.log" 2>&1 &
    CLAVITO_PID=$! && PIDS+=("$CLAVITO_PID")
}
stop_clavito() {
    kill -TERM "$CLAVITO_PID"
    wait_for "! running $CLAVITO_PID" || fail "clavito still runs a minute after SIGTERM"
    wait "$CLAVITO_PID" || fail "clavito exited with $?: $(cat "$WORK/clavito.log")"
}
main_window() { xdotool search --onlyvisible --name '^Clavito$' | head -n 1; }
wait_for_main_window() { wait_for main_window || fail "no main window: $(cat "$WORK/clavito.log")"; WINDOW=$(main_window); }
error_boxes() { xdotool search --onlyvisible --name '^Error$'; }
# read_error_box <text>: the one "Error" box must read the text (a click on it gives it the keyboard, then
# Ctrl+A, Ctrl+C copy it); Return dismisses it.
read_error_box() {
    wait_for 'error_boxes | grep -q .' || fail "no Error box"
    local box WINDOW X Y WIDTH HEIGHT SCREEN # xdotool --shell sets WINDOW too
    box=$(error_boxes)
    [ "$(wc -l <<<"$box")" -eq 1 ] || fail "more than one Error box"
    xdotool windowfocus --sync "$box"
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 4)) click 1 key ctrl+a ctrl+c
    wait_for 'xclip -o -selection clipboard | grep -q .' || fail "the box copied no text"
    [ "$(xclip -o -selection clipboard)" = "$1" ] || fail "the box reads: $(xclip -o -selection clipboard)"
    xdotool key Return
    wait_for '! error_boxes | grep -q .' || fail "the box stayed"
}
# choose_output <entry>: Options > Output by keyboard (both languages' accelerators are O and U), the entry
# counted from 1.
choose_output() { xdotool windowfocus --sync "$WINDOW" key alt+o u $(seq 2 "$1" | sed 's/.*/Down/') Return; }
# A fresh MIDI monitor on the JACK server, writing to midi.txt.
start_monitor() {
    spawn jack_midi_dump >"$WORK/midi.txt" 2>&1
    MONITOR_PID=$!
    wait_for 'jack_lsp | grep -qx midi-monitor:input' || fail "jack_midi_dump did not start"
}
# The reset of a port that left no note sounding: All Notes Off on every channel.
all_notes_off() { printf 'B%s 7B 00\n' 0 1 2 3 4 5 6 7 8 9 A B C D E F; }
# opening_stream [volume step]: what a port gets when it opens, at the start and at each choice of output: the
# reset, the drum set and the piano, then volume (step 25 unless given) and modulation on the controller
# channels.
opening_stream() {
    local channel
    all_notes_off
    printf '%s\n' "C9 00" "C0 00" "C1 00" "C2 00"
    for channel in 0 1 2 9; do printf 'B%s 07 %02X\n' $channel $((4 * ${1:-25})); done
    printf 'B%s 01 00\n' 0 1 2 9
}
# The monitor's messages, one a line, as upper-case hex pairs.
midi_messages() { sed -nE 's/^ *[0-9]+:((\s+[0-9a-f]{2})+).*/\1/p' "$WORK/midi.txt" | tr a-f A-F | sed -E 's/^\s+//; s/\s+/ /g'; }
# wait_for_messages <count>: until the monitor has seen that many messages.
wait_for_messages() { wait_for "[ \$(midi_messages | wc -l) -ge $1 ]"; }
# played <expected messages> <command...>: exactly these messages follow the command.
played() {
    local from=$(($(midi_messages | wc -l) + 1)) got
    "${@:2}"
    wait_for_messages $((from - 1 + $(wc -l <<<"$1"))) || true
    got=$(midi_messages | tail -n +"$from")
    [ "$got" = "$1" ] || fail "${*:2}: got
$got
expected
$1"
}
# off <note>: the release of a note and both doublings.
off() { printf '80 %02X 00\n81 %02X 00\n82 %02X 00\n' "$1" $(($1 + 12)) $(($1 - 12)); }
# pedal <7F|00>: the sustain pedal down or up on the controller channels.
pedal() { printf 'B%s 40 %s\n' 0 "$1" 1 "$1" 2 "$1" 9 "$1"; }
