#!/usr/bin/env bash
# The Debian package end to end (slow, needs root, not part of scripts/test.sh): built by scripts/package.sh
# from a fresh clone of this checkout's branch, installed with apt-get, run by an ordinary user under Xvfb,
# then removed. Usage: sudo tests/e2e/package_install.sh
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "package_install.sh: run it as root" >&2; exit 2; }
WORK=$(mktemp -d)
PIDS=()
user=clavito-pkg-$$
id=io.github.clavito.Clavito
cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    id "$user" >/dev/null 2>&1 && userdel -r "$user" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
wait_for() {
    local deadline=$((SECONDS + $1)); shift
    until "$@" >/dev/null 2>&1; do [ $SECONDS -lt $deadline ] || return 1; sleep 0.1; done
}

git clone -q --branch "$(git -C "$repo" rev-parse --abbrev-ref HEAD)" "$repo" "$WORK/src"
"$WORK/src/scripts/package.sh"
deb=$(ls "$WORK"/src/dist/clavito_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $(dpkg-deb -f "$deb" Depends)"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
desktop-file-validate /usr/share/applications/$id.desktop || fail "desktop entry"
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml || fail "metainfo"
for size in 16 32 48 64 128 256; do
    [ "$(identify -format %w /usr/share/icons/hicolor/${size}x${size}/apps/$id.png)" = "$size" ] ||
        fail "no ${size} px icon"
done
for f in /usr/share/icons/hicolor/scalable/apps/$id.svg /usr/share/clavito/Clavito.hlp \
    /usr/share/man/man1/clavito.1; do
    [ -s "$f" ] || fail "$f missing"
done
[ "$(/usr/bin/clavito --version)" = "clavito $(dpkg-deb -f "$deb" Version)" ] || fail "--version"

# An ordinary user's first start: no sound here, so the port's box comes first.
useradd -m "$user"
home=$(getent passwd "$user" | cut -d: -f6)
before=$(ls /usr/bin)
for display in $(seq 150 199); do [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break; done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
PIDS+=($!)
export DISPLAY=":$display"
wait_for 10 xdpyinfo || fail "Xvfb did not start"
(cd / && exec setpriv --reuid="$user" --regid="$user" --clear-groups env -i HOME="$home" DISPLAY="$DISPLAY" \
    PATH=/usr/bin:/bin JACK_NO_START_SERVER=1 /usr/bin/clavito) >"$WORK/clavito.log" 2>&1 &
pid=$!
PIDS+=("$pid")
wait_for 30 sh -c "xdotool search --onlyvisible --name '^Error$' | grep -q ." || fail "no box: $(cat "$WORK/clavito.log")"
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Error$' | head -n 1)"
xdotool key ctrl+c
wait_for 10 sh -c 'xclip -o -selection clipboard | grep -qx "No Midi Device"' || fail "the box does not say No Midi Device"
xdotool key Return
wait_for 20 sh -c "xdotool search --onlyvisible --name '^Clavito$' | grep -q ." || fail "no main window"
kill -TERM "$pid"
wait "$pid" || fail "clavito exited with $?: $(cat "$WORK/clavito.log")"
grep -qx 'Volume=25' "$home/.config/clavito/clavito.INI" || fail "no settings in ~/.config/clavito"
[ "$(stat -c %U "$home/.config/clavito/clavito.INI")" = "$user" ] || fail "the settings are not the user's"
[ "$(ls /usr/bin)" = "$before" ] || fail "something was written beside the program"

files=$(dpkg -L clavito | while read -r f; do [ -f "$f" ] && echo "$f"; done)
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq clavito >/dev/null
! dpkg -s clavito >/dev/null 2>&1 || fail "still installed after purge"
for f in $files; do [ ! -e "$f" ] || fail "$f left after removal"; done
echo "PASS"
