#!/usr/bin/env bash
# Installs what the build needs, builds Clavito for /usr and leaves the Debian package
# dist/clavito_<version>_<arch>.deb. Usage: scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build package
build=build-package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DCLAVITO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
(cd "$build" && cpack -G DEB >/dev/null)
mkdir -p dist
rm -f dist/clavito_*.deb
cp "$build"/clavito_*.deb dist/
ls -l dist/clavito_*.deb
