#!/usr/bin/env bash
# Installs what is missing, builds Clavito and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build run
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCLAVITO_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target clavito
exec build/clavito
