#!/usr/bin/env bash
# The player's options on the real program: without them Space, Shift+Z and Ctrl+Z send what they always
# did; with sustain on, Space is a pedal (controller 64 on 0, 1, 2 and 9) that the keyboard's repeats do not
# press again and that another window taking the keyboard lets up; with dynamics on, keys strike at 100,
# 127 with Shift, 64 with Ctrl, and the mouse softer near a panel's top than near its bottom. Then a first
# start with no settings file takes the menu language from LANG and the keyboard type from the XKB layout.
source "$(dirname "$0")/lib.sh"
start_playing
played "90 39 7F
$(off 57)
90 39 7F
$(off 57)" xdotool key space shift+z ctrl+z
stop_clavito

pedal() { printf 'B%s 40 %s\n' 0 "$1" 1 "$1" 2 "$1" 9 "$1"; }
printf '[Play]\nSustain=1\nDynamics=1\n' >>"$WORK/clavito.INI"
before=$(midi_messages | wc -l)
start_clavito
wait_for_main_window
xdotool windowfocus --sync "$WINDOW"
wait_for_messages $((before + 28)) || fail "no start-up stream"
chord() {
    xdotool keydown space
    sleep 0.6 # past the repeat delay: Space repeats
    xdotool keydown z keydown shift+c keyup c keyup shift keyup z
    xdotool keydown ctrl+b keyup b keyup ctrl keyup space
}
played "$(pedal 7F)
90 39 64
90 3C 7F
$(off 60)
$(off 57)
90 40 40
$(off 64)
$(pedal 00)" chord
spawn xmessage -geometry +600+500 "another window" 2>/dev/null
wait_for "xdotool search --onlyvisible --name '^xmessage$' | grep -q ." || fail "no other window"
let_up() {
    xdotool windowfocus --sync "$WINDOW" keydown space
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^xmessage$' | head -n 1)"
}
played "$(pedal 7F)
$(pedal 00)" let_up
xdotool windowfocus --sync "$WINDOW" keyup space

# velocity <y in the window>: the velocity of a left click at that height on the Z panel.
velocity() {
    local from=$(($(midi_messages | wc -l) + 1))
    xdotool mousemove --window "$WINDOW" --sync 79 "$1" click 1
    wait_for_messages $((from + 3)) || fail "no note for a click at $1"
    printf '%d' "0x$(midi_messages | tail -n +"$from" | awk '/^90 39/ { print $3; exit }')"
}
top=$(velocity 165) bottom=$(velocity 197)
echo "velocity near the top $top, near the bottom $bottom"
[ "$top" -ge 40 ] && [ "$top" -lt 60 ] && [ "$bottom" -gt 110 ] && [ "$bottom" -le 127 ] ||
    fail "velocities $top and $bottom"
stop_clavito

# first_start <LANG> <XKB layout> <Menu-Japanese> <KeyBoard>: no settings file, no MIDI server.
first_start() {
    rm -f "$WORK/clavito.INI"
    python3 - "$2" <<'PY'
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XInternAtom.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = x.XCloseDisplay.argtypes = [ctypes.c_void_p]
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XChangeProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int,
                              ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
d = x.XOpenDisplay(None)
value = b"evdev\0pc105\0" + sys.argv[1].encode() + b"\0\0\0"
x.XChangeProperty(d, x.XDefaultRootWindow(d), x.XInternAtom(d, b"_XKB_RULES_NAMES", 0), 31, 8, 0, value,
                  len(value))
x.XCloseDisplay(d)
PY
    LANG=$1 JACK_DEFAULT_SERVER=clavito-e2e-none-$$ start_clavito
    read_error_box 'No Midi Device'
    wait_for_main_window
    stop_clavito
    grep -qx "Menu-Japanese=$3" "$WORK/clavito.INI" && grep -qx "KeyBoard=$4" "$WORK/clavito.INI" ||
        fail "LANG=$1 with layout $2: $(cat "$WORK/clavito.INI")"
}
first_start en_US.UTF-8 us 0 2
first_start ja_JP.UTF-8 jp 1 0
first_start ja_JP.UTF-8 us 1 2
first_start C de 0 2
echo PASS
