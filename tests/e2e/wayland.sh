#!/usr/bin/env bash
# The program as a native Wayland client on a headless sway, played the way a player does: the knob dragged
# out of the window, a key of a real PC keyboard and the sustain pedal held, with the compositor's repeat on,
# while another program's window takes the keyboard, and the stored position kept through a session although
# a Wayland client can neither read nor set its place. Chords with the window system's repeat are
# jack.sh's on X11, what the mouse buttons do on the panels the window's random performance
# (tests/ui/SoakTest.cpp).
#
# sway refuses to run as root, so as root the session (sway, the JACK server, the monitor and the program)
# runs as the unprivileged user clavito-test, allowed realtime scheduling as a member of an audio group
# would be. JACK names a server's socket after the user who started it: a client of another user finds no
# server, gets no port and plays nothing at all, not even the start-up stream, so every JACK client runs as
# the same user as the server.
# Usage: wayland.sh path/to/clavito, with CLAVITO_VIRTUAL_INPUT naming the virtual input tool (by default
# tests/support/virtual_input in the program's build folder).
source "$(dirname "$0")/lib.sh"
INPUT_TOOL=${CLAVITO_VIRTUAL_INPUT:-$(dirname "$CLAVITO_BUILT")/tests/support/virtual_input}
skip() { echo "SKIP: $*"; exit 77; }
for tool in sway swaymsg jq jackd jack_midi_dump jack_lsp setpriv chrt; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q 'ok installed' || skip "qt6-wayland is not installed"
[ -x "$INPUT_TOOL" ] || skip "no $INPUT_TOOL (it needs libwayland-dev and libxkbcommon-dev to build)"

RUN_AS=()
if [ "$(id -u)" -eq 0 ]; then
    getent passwd clavito-test >/dev/null || useradd --system --no-create-home clavito-test ||
        getent passwd clavito-test >/dev/null || fail "cannot make the user clavito-test"
    RUN_AS=(setpriv --reuid=clavito-test --regid=clavito-test --clear-groups
        --inh-caps=+sys_nice,+ipc_lock --ambient-caps=+sys_nice,+ipc_lock)
    chown "clavito-test:" "$WORK"
fi
mkdir -m 700 "$WORK/run" "$WORK/home"
[ ${#RUN_AS[@]} -eq 0 ] || chown "clavito-test:" "$WORK/run" "$WORK/home"
# The session's environment; the session's sockets join it once sway is up.
SESSION=("${RUN_AS[@]}" env -u DISPLAY -u WAYLAND_DISPLAY -u SWAYSOCK HOME="$WORK/home"
    XDG_RUNTIME_DIR="$WORK/run" JACK_DEFAULT_SERVER="${CLAVITO_TEST_JACK_PREFIX:-clavito}-wayland"
    JACK_NO_START_SERVER=1)
in_session() { "${SESSION[@]}" "$@"; }

# Without realtime scheduling a loaded machine makes clients miss cycles, and a cycle a client misses loses
# its MIDI unless the server waits for every client (synchronous mode). A synchronous server that a client
# has left hangs on SIGTERM, and is then killed at the end.
jack_mode=(--no-realtime -S)
in_session chrt -f 1 true 2>/dev/null && jack_mode=(--realtime)
spawn "${SESSION[@]}" jackd "${jack_mode[@]}" -t 20000 -d dummy -r 48000 -p 256 >"$WORK/jackd.log" 2>&1
wait_for 'in_session jack_lsp' || fail "jackd did not start: $(cat "$WORK/jackd.log")"
spawn "${SESSION[@]}" jack_midi_dump >"$WORK/midi.txt" 2>&1
wait_for 'in_session jack_lsp | grep -qx midi-monitor:input' || fail "jack_midi_dump did not start"

# A 1024x768 screen and the repeat of the X11 tests: 30 a second after 250 ms.
cat >"$WORK/sway.conf" <<'EOF'
xwayland disable
output HEADLESS-1 resolution 1024x768 position 0 0
input type:keyboard {
    repeat_delay 250
    repeat_rate 30
}
EOF
spawn "${SESSION[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$WORK/sway.conf" >"$WORK/sway.log" 2>&1
sockets() { compgen -G "$WORK/run/sway-ipc.*.sock" && compgen -G "$WORK/run/wayland-*[0-9]"; }
wait_for sockets || fail "sway did not start: $(cat "$WORK/sway.log")"
SESSION+=(SWAYSOCK="$(compgen -G "$WORK/run/sway-ipc.*.sock")"
    WAYLAND_DISPLAY="$(basename "$(compgen -G "$WORK/run/wayland-*[0-9]")")")
wait_for 'in_session swaymsg -t get_outputs' || fail "sway does not answer: $(cat "$WORK/sway.log")"

# The keyboard and the pointer are on the seat before the program starts, so the program binds its keyboard
# as it starts; the seat of a headless sway has none before. Commands go through a pipe that the script
# keeps open until it ends, and no other program inherits.
# The tool runs from the test's folder: the test user may not enter the build folder.
cp "$INPUT_TOOL" "$WORK/virtual_input"
mkfifo "$WORK/input"
(exec "${SESSION[@]}" "$WORK/virtual_input" us 1024 768 <"$WORK/input" >"$WORK/input.log" 2>&1) &
PIDS+=($!)
exec 4>"$WORK/input"
wait_for 'grep -qx ready "$WORK/input.log"' || fail "no virtual input: $(cat "$WORK/input.log")"
input() {
    (trap '' PIPE && printf '%s\n' "$*" >&4) || fail "the virtual input has gone: $(cat "$WORK/input.log")"
}

printf '[MIDI]\nOutput=jack\nConnect=midi-monitor:input\n[Position]\nX=100\nY=200\n[Play]\nSustain=1\n' |
    install_clavito
[ ${#RUN_AS[@]} -eq 0 ] || chown "clavito-test:" "$WORK/clavito.INI"
start_clavito "${SESSION[@]}" QT_QPA_PLATFORM=wayland ./clavito 4>&-
wait_for_messages 28 || fail "no start-up stream: $(cat "$WORK/clavito.log")"
# windows <jq filter>: what the filter makes of each of sway's windows of the given process.
windows() { in_session swaymsg -t get_tree | jq -r --argjson pid "$1" "..|objects|select(.pid? == \$pid)|$2"; }
focused() { windows "$1" 'select(.focused) | .name' | grep -q .; }
wait_for "focused $CLAVITO_PID" || fail "the main window has not got the keyboard"
# The layout pixel of the window's top left corner; the X11 tests' window coordinates hold from there.
read -r LEFT TOP < <(windows "$CLAVITO_PID" \
    'select(.name == "Clavito") | "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y)"')
at() { input move $((LEFT + $1)) $((TOP + $2)); }

expected_stream=$(midi_messages)
# expect <expected messages> <command...>: exactly these messages follow the command (lib.sh's played), and
# the whole stream is checked against all of them at the end, so a stray message between two cases counts.
expect() { played "$@" && expected_stream+=$'\n'$1; }
# Z (evdev 44) plays 57; off lets a note and its doublings go.
# keys <down|up> <evdev codes...>
keys() { local key; for key in "${@:2}"; do input "$1" "$key"; done; }

# The knob (its middle at 718, 128 in the window, the track from 58 to 199) follows the held left button
# out of the window: above it the bend is full up, below it full down, to the right of it at the height of
# 144 it is 47 (0x2F); the release returns it to the centre on the controller channels.
bend() { printf 'E0 00 %s\nE1 00 %s\nE2 00 %s\n' "$1" "$1" "$1"; }
at 718 128
input press 272
expect "$(bend 7F)" input move $((LEFT + 718)) 10
expect "$(bend 00)" input move $((LEFT + 718)) 760
expect "$(bend 2F)" input move 1020 $((TOP + 144))
expect "$(bend 40)
E9 00 40" input release 272

# A key and the pedal (Space, evdev 57) held while another program's window takes the keyboard are let up at
# once; their releases then go to that window and play nothing here.
printf '[MIDI]\nOutput=jack\n' >"$WORK/other.INI"
[ ${#RUN_AS[@]} -eq 0 ] || chown "clavito-test:" "$WORK/other.INI"
other_window() {
    spawn "${SESSION[@]}" QT_QPA_PLATFORM=wayland "$WORK/clavito" --settings "$WORK/other.INI" \
        >"$WORK/other.log" 2>&1 4>&-
    OTHER_PID=$!
}
expect "$(pedal 7F)
90 39 7F" keys down 57 44
expect "$(off 57)
$(pedal 00)" other_window
wait_for "focused $OTHER_PID" || fail "the other window has not got the keyboard"
keys up 44 57
end_process "$OTHER_PID"
wait_for "focused $CLAVITO_PID" || fail "the keyboard has not come back to the main window"

stop_clavito
expected_stream+=$'\n'$(all_notes_off)
wait_for_messages $(wc -l <<<"$expected_stream") || true
[ "$(midi_messages)" = "$expected_stream" ] || fail "the whole stream differs:
$(diff <(echo "$expected_stream") <(midi_messages))"
position=$(awk '/^\[/ { section = $0; next } section == "[Position]"' "$WORK/clavito.INI")
[ "$position" = $'X=100\nY=200' ] || fail "the stored position became: $position"
echo PASS
