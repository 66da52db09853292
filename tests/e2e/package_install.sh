#!/usr/bin/env bash
# The Debian package end to end (slow, needs root, not part of scripts/test.sh): built by scripts/package.sh
# from a fresh clone of this checkout's branch, installed with apt-get, run by an ordinary user under Xvfb,
# then removed. Usage: sudo tests/e2e/package_install.sh
[ "$(id -u)" -eq 0 ] || { echo "package_install.sh: run it as root" >&2; exit 2; }
repo=$(cd "$(dirname "$0")/../.." && pwd)
source "$repo/tests/e2e/lib.sh" /usr/bin/clavito
user=clavito-pkg-$$
id=io.github.clavito.Clavito
trap 'cleanup; ! id "$user" >/dev/null 2>&1 || userdel -r "$user" 2>/dev/null' EXIT

git clone -q --branch "$(git -C "$repo" rev-parse --abbrev-ref HEAD)" "$repo" "$WORK/src"
"$WORK/src/scripts/package.sh"
deb=$(ls "$WORK"/src/dist/clavito_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Depends | grep -q 'libfluidsynth3' || fail "the built-in synthesizer's library is no dependency"
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
start_xvfb
start_clavito setpriv --reuid="$user" --regid="$user" --clear-groups env -i -C / HOME="$home" \
    DISPLAY="$DISPLAY" PATH=/usr/bin:/bin JACK_NO_START_SERVER=1 /usr/bin/clavito
read_error_box 'No Midi Device'
wait_for_main_window
stop_clavito
grep -qx 'Volume=25' "$home/.config/clavito/clavito.INI" || fail "no settings in ~/.config/clavito"
[ "$(stat -c %U "$home/.config/clavito/clavito.INI")" = "$user" ] || fail "the settings are not the user's"
[ "$(ls /usr/bin)" = "$before" ] || fail "something was written beside the program"

files=$(dpkg -L clavito | while read -r f; do [ -f "$f" ] && echo "$f"; done)
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq clavito >/dev/null
! dpkg -s clavito >/dev/null 2>&1 || fail "still installed after purge"
for f in $files; do [ ! -e "$f" ] || fail "$f left after removal"; done
echo "PASS"
