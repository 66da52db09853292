#!/usr/bin/env bash
# Held keys and chords with the X server's own auto-repeat on: a held note sounds once and ends at its own
# release, two mouse buttons hold two notes, the held knob follows the pointer out of the window, and three
# held keys sound together while two busy loops load both cores (the window system's repeats then arrive
# late).
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
played "90 39 7F
90 3C 7F
90 40 7F
$(off 64)
$(off 60)
$(off 57)" hold "z c b" 1
echo PASS
