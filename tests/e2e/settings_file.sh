#!/usr/bin/env bash
# A prepared settings file: bad values are rewritten while the program runs, and after SIGTERM the file
# holds the whole state with every other line kept.
source "$(dirname "$0")/lib.sh"
start_xvfb
start_jack
install_clavito <<'INI'
; Clavito settings
[MIDI]
Output=jack
[Sound]
Key=5
Volume=33
Index1=3
Index2=8
PosShift=$3
[Octave]
High=2
[Position]
X=-5
Y=40
INI
start_clavito
wait_for_main_window
sleep 0.5
running=$(cat "$WORK/clavito.INI")
expected_running='; Clavito settings
[MIDI]
Output=jack
[Sound]
Key=5
Volume=25
Index1=0
Index2=0
PosShift=$3
[Octave]
High=2
[Position]
X=0
Y=40'
[ "$running" = "$expected_running" ] || fail "while running the file reads:
$running"

window=$(main_window)
xdotool windowfocus --sync "$window"
xdotool key Up F12   # Key +1; Low stays off, High is toggled off
sleep 0.5
stop_clavito
! grep -qi 'ambiguous' "$WORK/clavito.log" || fail "ambiguous shortcuts: $(cat "$WORK/clavito.log")"
expected_final='; Clavito settings
[MIDI]
Output=jack
[Sound]
Key=6
Volume=25
Index1=0
Index2=0
PosShift=3
Modulation=0
[Octave]
High=0
Low=0
[Position]
X=0
Y=40
[Options]
KeyBoard=0
Menu-Japanese=1'
final=$(cat "$WORK/clavito.INI")
[ "$final" = "$expected_final" ] || fail "after exit the file reads:
$final"
echo "PASS"
