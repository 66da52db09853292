#!/usr/bin/env bash
# A form pinned by TWinSize keeps its size under a real window manager, whatever asks it to change:
# a configure request (xdotool windowsize), an EWMH maximise request, a double click on the title bar
# and the keyboard shortcut super+Up.
# Usage: e2e_fixed_size.sh <winsize_probe> <winsize_maximize>
set -euo pipefail

probe=${1:?usage: e2e_fixed_size.sh <winsize_probe> <winsize_maximize>}
maximize=${2:?usage: e2e_fixed_size.sh <winsize_probe> <winsize_maximize>}
expected=400x300
work=$(mktemp -d)
pids=()

cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

display=
for n in $(seq 57 99); do
    if [[ ! -e /tmp/.X11-unix/X$n && ! -e /tmp/.X$n-lock ]]; then
        display=:$n
        break
    fi
done
[[ -n $display ]] || { echo "no free X display"; exit 1; }
export DISPLAY=$display

# -noreset: otherwise the server resets when its last client, a readiness check, disconnects.
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
xwininfo -root >/dev/null 2>&1 || { echo "Xvfb did not start on $DISPLAY"; cat "$work/xvfb.log"; exit 1; }

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# Openbox is ready once it has published the window states it supports.
for _ in $(seq 100); do xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_WM_STATE_MAXIMIZED_HORZ && break; sleep 0.1; done
xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_WM_STATE_MAXIMIZED_HORZ || { echo "openbox did not start"; cat "$work/openbox.log"; exit 1; }

start_probe() {
    QT_QPA_PLATFORM=xcb "$probe" "$@" >"$work/probe.log" 2>&1 &
    probe_pid=$!
    pids+=($probe_pid)
    # A search can fail outright while the toolkit is still creating its windows, so it is repeated.
    window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^WinSize probe$' 2>/dev/null | head -n1) || true
        [[ -n $window ]] && break
        sleep 0.2
    done
    [[ -n $window ]] || { echo "the probe's window did not appear"; cat "$work/probe.log"; exit 1; }
    sleep 1
}

size_now() { xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'; }

failures=0
check() {
    local what=$1 want=${2:-$expected} size
    sleep 1
    size=$(size_now)
    if [[ $size == "$want" ]]; then
        echo "ok   $what: $size"
    else
        echo "FAIL $what: $size, expected $want"
        failures=$((failures + 1))
    fi
}

echo "control: the same requests resize a form without a limiter"
start_probe --unpinned
xdotool windowsize "$window" 700 500
check "windowsize 700 500" 700x500
"$maximize" "$window"
sleep 1
if [[ $(size_now) != 700x500 ]]; then
    echo "ok   _NET_WM_STATE maximise request: $(size_now)"
else
    echo "FAIL _NET_WM_STATE maximise request left the unpinned form at 700x500"
    failures=$((failures + 1))
fi
kill "$probe_pid"
wait "$probe_pid" 2>/dev/null || true

echo "pinned: a form whose limiter holds it at $expected"
start_probe

check "shown"
xdotool windowsize "$window" 700 500
check "windowsize 700 500"
xdotool windowsize "$window" 120 80
check "windowsize 120 80"
"$maximize" "$window"
check "_NET_WM_STATE maximise request"
echo "     window state after it: [$(xprop -id "$window" _NET_WM_STATE | sed -n 's/.*= *//p')]"
read -r left top < <(xwininfo -id "$window" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4} END {print x, y}')
xdotool mousemove $((left + 60)) $((top - 8)) click --repeat 2 --delay 80 1
check "double click on the title bar"
xdotool windowactivate --sync "$window" key super+Up
check "super+Up"

if grep -v "^size $expected\$" "$work/probe.log" | grep -q '^size '; then
    echo "FAIL the form took another size:"
    grep '^size ' "$work/probe.log" | sort | uniq -c
    failures=$((failures + 1))
else
    echo "ok   every size the form reported was $expected"
fi

exit $((failures > 0))
