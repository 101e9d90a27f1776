#!/usr/bin/env bash
# Installs what is missing, builds Vexlo with its tests and runs every test headless.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
./scripts/install_deps.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEXLO_BUILD_TESTS=ON -DVEXLO_BUILD_BENCH=ON >/dev/null
cmake --build build/test
ctest --test-dir build/test --output-on-failure -j "$(nproc)" "$@"
