#!/usr/bin/env bash
# Installs the Debian packages Clavito needs that are missing.
# Usage: scripts/deps.sh [build|run|test|package|bench]...
set -euo pipefail

build=(cmake g++ pkg-config make qt6-base-dev librtmidi-dev libfluidsynth-dev libjack-jackd2-dev libx11-dev libfontconfig-dev)
run=(fluid-soundfont-gm fonts-liberation2 fonts-ipafont-gothic fonts-dejavu-core qt6-wayland)
test=(libgtest-dev libbenchmark-dev xvfb xauth xdotool jackd2 jack-tools x11-utils sox imagemagick
      clang libclang-rt-14-dev timgm6mb-soundfont procps x11-xserver-utils xclip desktop-file-utils appstream
      pipewire pipewire-pulse wireplumber pipewire-jack pulseaudio-utils dbus libxtst-dev
      python3 sway jq libwayland-dev libxkbcommon-dev)
package=(dpkg-dev file)
# The peers the benchmarks in bench/ measure against.
bench=(jack-keyboard fluidsynth)

wanted=()
for set in "${@:-build run}"; do
    case "$set" in
    build) wanted+=("${build[@]}") ;;
    run) wanted+=("${run[@]}") ;;
    test) wanted+=("${test[@]}") ;;
    package) wanted+=("${package[@]}") ;;
    bench) wanted+=("${bench[@]}") ;;
    *) echo "deps.sh: unknown set '$set'" >&2; exit 2 ;;
    esac
done

missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
# jackd2 asks whether to enable realtime scheduling; the default answer is fine.
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
