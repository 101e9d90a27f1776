#!/usr/bin/env bash
# Installs what is missing, builds Vexlo in Release and starts the game.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
./scripts/install_deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXLO_BUILD_TESTS=OFF -DVEXLO_BUILD_BENCH=OFF >/dev/null
cmake --build build/release --target vexlo
exec ./build/release/src/vexlo "$@"
