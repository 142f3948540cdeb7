#!/usr/bin/env bash
# Installs what is missing, builds and runs every test with ctest under a private Xvfb, with
# Mesa's software renderer and SDL's dummy audio driver.
#
#   ./test.sh                 the normal build in build/ and its tests
#   ./test.sh --sanitize      the same in build-sanitize/ with AddressSanitizer,
#                             UndefinedBehaviorSanitizer and LeakSanitizer
#   ./test.sh --fuzz [SECS]   the loaders' fuzz targets in build-fuzz/, SECS each (default 60)
#   ./test.sh --ci            all three in that order, as CI runs them
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup-debian.sh --test

# Builds in $1 with the cmake options that follow, then runs its tests.
build_and_test() {
  local builddir=$1
  shift
  cmake -S . -B "$builddir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > /dev/null
  cmake --build "$builddir" -j"$(nproc)"
  # A private server: start the search for a free display number away from :99, which other
  # programs on the machine may be using.
  xvfb-run -a -n $((100 + $$ % 500)) -s "-screen 0 1024x768x24 -nolisten tcp -noreset" \
    env ${preload:+LD_PRELOAD="$preload"} ctest --test-dir "$builddir" --output-on-failure -j2
}

export SDL_AUDIODRIVER=dummy
# A settings file of the player's own would win over the data/ trees the tests read.
export XDG_CONFIG_HOME=/nonexistent/vaultrun-tests
export LIBGL_ALWAYS_SOFTWARE=1
export GALLIUM_DRIVER=llvmpipe
preload=""

normal() {
  build_and_test build
}

sanitize() {
  # Mesa unloads its driver before the leak check at exit, and the leaks it keeps would then
  # be reported from nameless frames that no suppression can match: loaded first, it stays.
  # (Unwinding every allocation slowly instead deadlocks inside LLVM's JIT.)
  local dir
  for dir in "$(pkg-config --variable=dridriverdir dri 2>/dev/null || true)" \
             "/usr/lib/$(gcc -print-multiarch 2>/dev/null || true)/dri" /usr/lib/dri; do
    if [ -n "$dir" ] && [ -e "$dir/swrast_dri.so" ]; then
      preload="$dir/swrast_dri.so"
      break
    fi
  done
  ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0 \
  LSAN_OPTIONS=suppressions="$PWD/tools/sanitizer/lsan.supp":print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build_and_test build-sanitize -DVAULTRUN_SANITIZE=ON -DVAULTRUN_BENCH=OFF
  preload=""
}

fuzz() {
  bash fuzz/run.sh build-fuzz "${1:-60}"
}

case "${1:-}" in
  "") normal ;;
  --sanitize) sanitize ;;
  --fuzz) fuzz "${2:-60}" ;;
  # One after the other as plain commands: inside an && list bash would ignore a failing test
  # run and carry on.
  --ci)
    normal
    sanitize
    fuzz 30
    ;;
  *) echo "usage: $0 [--sanitize | --fuzz [SECONDS] | --ci]" >&2; exit 2 ;;
esac
