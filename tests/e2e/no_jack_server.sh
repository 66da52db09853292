#!/usr/bin/env bash
# First starts with no settings file and no MIDI server: the port cannot open, one "Error" box says so, and
# the main window shows, where F1 shows the guide found beside the program or in a data folder, or
# says that there is none. The menu language follows LANG and the keyboard type the XKB layout. Each of
# SIGTERM, SIGINT and SIGHUP closes the window the normal way (a box that is up closes first), and the
# settings are written: beside the program, or into the file that --settings names and then nowhere else.
source "$(dirname "$0")/lib.sh"
start_xvfb
export JACK_DEFAULT_SERVER="clavito-e2e-none-$$" JACK_NO_START_SERVER=1
install_clavito </dev/null
# set_layout <XKB layout>: the layout the desktop names on the root window.
set_layout() {
    python3 - "$1" <<'PY'
import ctypes as c, sys
x = c.CDLL("libX11.so.6")
x.XOpenDisplay.restype = x.XDefaultRootWindow.restype = x.XInternAtom.restype = c.c_void_p
d = c.c_void_p(x.XOpenDisplay(None))
names = b"evdev\0pc105\0" + sys.argv[1].encode() + b"\0\0\0"
atom = c.c_void_p(x.XInternAtom(d, b"_XKB_RULES_NAMES", 0))
x.XChangeProperty(d, c.c_void_p(x.XDefaultRootWindow(d)), atom, c.c_void_p(31), 8, 0, names, len(names))
x.XCloseDisplay(d)
PY
}
mkdir -p "$WORK/mine" "$WORK/share/clavito"
# LANG, XKB layout, the signal and whether it comes while the box is up; what is stored (Menu-Japanese,
# KeyBoard) and where; where the guide lies.
for run in "en_US.UTF-8 us TERM box 0 2 clavito.INI ." "ja_JP.UTF-8 jp INT window 1 0 clavito.INI ." \
    "ja_JP.UTF-8 us HUP window 1 2 clavito.INI share/clavito" "C de TERM window 0 2 mine/my.ini none"; do
    read -r lang layout signal when japanese keyboard file guide <<<"$run"
    rm -f "$WORK/clavito.INI" "$WORK/Clavito.hlp" "$WORK/share/clavito/Clavito.hlp"
    [ "$guide" = none ] || cp "$(dirname "$CLAVITO_BUILT")/Clavito.hlp" "$WORK/$guide/"
    [ "$guide" = none ] && text="The help file Clavito.hlp was not found" || text="turns your computer keyboard"
    set_layout "$layout"
    [ "$file" = clavito.INI ] && options=() || options=(-style Fusion --settings "$file")
    XDG_DATA_HOME="$WORK/share" XDG_DATA_DIRS="$WORK/share" LANG=$lang start_clavito ./clavito "${options[@]}"
    if [ "$when" = box ]; then
        wait_for 'error_boxes | grep -q .' || fail "no Error box"
    else
        read_error_box 'No Midi Device'
        wait_for_main_window
        xdotool windowfocus --sync "$WINDOW" key F1
        wait_for "xdotool search --onlyvisible --name '^Clavito Help$'" || fail "F1 opened no guide"
        xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Clavito Help$')" key ctrl+a ctrl+c
        wait_for "xclip -o -selection clipboard | grep -q '$text'" || fail "the guide reads: $(xclip -o -selection clipboard)"
    fi
    kill -"$signal" "$CLAVITO_PID"
    wait "$CLAVITO_PID" || fail "SIG$signal ended clavito with $?: $(cat "$WORK/clavito.log")"
    grep -qx "Menu-Japanese=$japanese" "$WORK/$file" && grep -qx "KeyBoard=$keyboard" "$WORK/$file" ||
        fail "LANG=$lang with layout $layout, SIG$signal: $(cat "$WORK/$file")"
done
[ ! -e "$WORK/clavito.INI" ] || fail "a settings file was written beside the program"
echo PASS
