#!/usr/bin/env bash
# Held keys and chords with the X server's own auto-repeat on: a held note sounds once and ends at its own
# release, two mouse buttons hold two notes, and three held keys sound together while two busy loops load
# both cores (the window system's repeats then arrive late).
source "$(dirname "$0")/lib.sh"
start_playing

# Z, X, C and B play 57, 59, 60 and 64. Keys go up in the reverse order of going down.
hold() {
    xdotool keydown $1
    sleep "$2"
    xdotool keyup $(rev <<<"$1")
}
played "90 39 7F
$(off 57)" hold z 1.5

two_buttons() {
    xdotool mousemove --window "$WINDOW" --sync 79 181 mousedown 3
    xdotool mousemove --window "$WINDOW" --sync 115 181 click 1
    xdotool mousemove --window "$WINDOW" --sync 79 181 mouseup 3
}
played "90 39 7F
90 3B 7F
$(off 59)
$(off 57)" two_buttons

busy() { while :; do :; done; }
spawn busy
spawn busy
played "90 39 7F
90 3C 7F
90 40 7F
$(off 64)
$(off 60)
$(off 57)" hold "z c b" 1
echo PASS
