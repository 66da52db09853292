# Shared helpers of the end-to-end tests: each test runs the built program from a folder of its own (so its
# settings file is its own) under a private Xvfb display and, where it needs one, a private JACK server on
# the dummy driver. Everything started here is stopped when the test's shell exits.
set -euo pipefail

CLAVITO_BUILT=${1:?usage: $0 path/to/clavito}
WORK=$(mktemp -d)
PIDS=()

cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# Polls a command until it succeeds or the seconds run out.
wait_for() {
    local seconds=$1; shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

start_xvfb() {
    local display
    for display in $(seq 70 120); do
        [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
    done
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >"$WORK/xvfb.log" 2>&1 &
    PIDS+=($!)
    export DISPLAY=":$display"
    wait_for 10 xdpyinfo || fail "Xvfb did not start"
}

# A window manager on the test's display; ready once it has published the window states it supports.
start_openbox() {
    openbox >"$WORK/openbox.log" 2>&1 &
    PIDS+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTED | grep -q _NET_WM_STATE_MAXIMIZED_HORZ' ||
        fail "openbox did not start: $(cat "$WORK/openbox.log")"
}

# JACK keeps the servers of a machine in a registry in shared memory with room for eight; a server that
# ended without leaving it (killed, or a zombie nobody reaped) keeps its place. While no live jackd runs,
# every entry is stale, and the registry is cleared so that the test's own server finds room.
clear_stale_jack_registry() {
    local pid
    for pid in $(pgrep -x jackd); do
        [ "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)" = Z ] || return 0
    done
    rm -rf /dev/shm/jack-shm-registry /dev/shm/jack-[0-9]* /dev/shm/jack_sem.* /dev/shm/jack_db-*
}

# A JACK server of this test's own, on the dummy driver. The end-to-end tests run one at a time, so they
# share one server name and never add to the registry. CLAVITO_TEST_JACK_PREFIX lets two checkouts run their
# suites side by side on one machine.
start_jack() {
    clear_stale_jack_registry
    export JACK_DEFAULT_SERVER="${CLAVITO_TEST_JACK_PREFIX:-clavito}-e2e"
    export JACK_NO_START_SERVER=1
    jackd --no-realtime -d dummy -r 48000 -p 256 >"$WORK/jackd.log" 2>&1 &
    PIDS+=($!)
    wait_for 10 jack_lsp || fail "jackd did not start: $(cat "$WORK/jackd.log")"
}

# The program copied into the test's folder with the settings file given on standard input.
install_clavito() {
    cp "$CLAVITO_BUILT" "$WORK/clavito"
    local help
    help="$(dirname "$CLAVITO_BUILT")/Clavito.hlp"
    [ -f "$help" ] && cp "$help" "$WORK/"
    cat >"$WORK/clavito.INI"
}

start_clavito() {
    (cd "$WORK" && exec ./clavito) >"$WORK/clavito.log" 2>&1 &
    CLAVITO_PID=$!
    PIDS+=("$CLAVITO_PID")
}

# Waits for the one "Error" box, copies its text into BOX_TEXT (a click on the text gives it the keyboard,
# then Ctrl+A, Ctrl+C) and dismisses it.
read_and_dismiss_error_box() {
    wait_for 20 sh -c "xdotool search --onlyvisible --name '^Error$' | grep -q ." || fail "no Error box"
    [ "$(xdotool search --onlyvisible --name '^Error$' | wc -l)" -eq 1 ] || fail "more than one Error box"
    local box X Y WIDTH HEIGHT
    box=$(xdotool search --onlyvisible --name '^Error$')
    xdotool windowfocus --sync "$box"
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 4)) click 1 key ctrl+a ctrl+c
    wait_for 10 sh -c 'xclip -o -selection clipboard | grep -q .' || fail "the box copied no text"
    BOX_TEXT=$(xclip -o -selection clipboard)
    xdotool key Return
    wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Error$' | grep -q ." || fail "the box stayed"
}

# The main window's X id, once it is mapped.
main_window() { xdotool search --onlyvisible --name '^Clavito$' | head -n 1; }

wait_for_main_window() { wait_for 20 main_window || fail "no main window: $(cat "$WORK/clavito.log")"; }

# Starts the program on a JACK port wired to a fresh MIDI monitor and waits for its window; further
# settings lines come on standard input.
start_clavito_monitored() {
    start_midi_monitor
    { printf '[MIDI]\nOutput=jack\nConnect=midi-monitor:input\n'; cat; } | install_clavito
    start_clavito
    wait_for_main_window
}

# Sends SIGTERM and waits for the program to end; STOP_MS is how long that took in milliseconds.
stop_clavito() {
    local start end status=0
    start=$(date +%s%N)
    kill -TERM "$CLAVITO_PID"
    wait "$CLAVITO_PID" || status=$?
    [ "$status" -eq 0 ] || fail "clavito exited with $status: $(cat "$WORK/clavito.log")"
    end=$(date +%s%N)
    STOP_MS=$(((end - start) / 1000000))
}

# Starts jack_midi_dump and waits for its input port; its lines go to $WORK/midi.txt.
start_midi_monitor() {
    jack_midi_dump >"$WORK/midi.txt" 2>&1 &
    PIDS+=($!)
    wait_for 10 sh -c 'jack_lsp | grep -q "^midi-monitor:input$"' || fail "jack_midi_dump did not start"
}

# The bytes of each MIDI message the monitor saw, one message a line, as upper-case hex pairs.
midi_messages() {
    awk -F'[[:space:]]+' '/^ *[0-9]+:/ {
        line = ""
        for (i = 1; i <= NF; i++) {
            if ($i ~ /^[0-9]+:$/ || $i == "") continue
            if ($i !~ /^[0-9a-f][0-9a-f]$/) break
            line = line (line == "" ? "" : " ") toupper($i)
        }
        print line
    }' "$WORK/midi.txt"
}
