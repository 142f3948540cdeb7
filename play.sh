#!/usr/bin/env bash
# Installs what is missing, builds the game in build/ and starts it from this folder
# (the one that holds data/).
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup-debian.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVAULTRUN_TESTS=OFF -DVAULTRUN_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target vaultrun
exec ./build/vaultrun
