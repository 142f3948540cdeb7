#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ (build-sanitize/ with --sanitize) and
# runs every test with ctest under a private Xvfb, with Mesa's software renderer and SDL's
# dummy audio driver.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup-debian.sh --test

builddir=build
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  builddir=build-sanitize
  options+=(-DVAULTRUN_SANITIZE=ON -DVAULTRUN_BENCH=OFF)
fi
cmake -S . -B "$builddir" "${options[@]}" >/dev/null
cmake --build "$builddir" -j"$(nproc)"

export SDL_AUDIODRIVER=dummy
export LIBGL_ALWAYS_SOFTWARE=1
export GALLIUM_DRIVER=llvmpipe
export ASAN_OPTIONS=detect_leaks=1
# A private server: start the search for a free display number away from :99, which other
# programs on the machine may be using.
xvfb-run -a -n $((100 + $$ % 500)) -s "-screen 0 1024x768x24 -nolisten tcp -noreset" \
  ctest --test-dir "$builddir" --output-on-failure -j2
