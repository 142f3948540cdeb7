#!/usr/bin/env bash
# Builds the fuzz targets in BUILD (clang, VAULTRUN_FUZZ), makes their seed corpora from
# data/ and runs each target for SECONDS (default 60), as many at a time as there are cores.
# Fails when any target finds an input that crashes it or breaks one of its checks; such
# inputs are left in BUILD/fuzz/artifacts/<target>/ (copy them to fuzz/regressions/<target>/
# once fixed, and the tests replay them). Prints the executions per target.
#
#   fuzz/run.sh [BUILD [SECONDS]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
seconds=${2:-60}
targets=(bmp tga mesh md2 settings glyphs scores replays)

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVAULTRUN_FUZZ=ON -DVAULTRUN_TESTS=OFF -DVAULTRUN_BENCH=OFF > /dev/null
cmake --build "$build" --target fuzz-all -j"$(nproc)"

out=$build/fuzz
"$out/vaultrun-fuzz-seeds" data "$out/seeds"
# Settings lines and records are short; the images, models and glyph tables are kept small by
# the seed maker.
declare -A maxLen=([bmp]=16384 [tga]=16384 [mesh]=16384 [md2]=16384 [settings]=1024
                   [glyphs]=16384 [scores]=4096 [replays]=65536)
# One target per core at a time.
jobs=$(nproc)
run_target() {
  local target=$1
  local status=0
  mkdir -p "$out/corpus/$target" "$out/artifacts/$target"
  # Recorded heists are kept in the tree (fuzz/seeds/replays), not made from data/.
  local seeds=$out/seeds/$target
  if [ -d "fuzz/seeds/$target" ]; then seeds=fuzz/seeds/$target; fi
  "$out/fuzz-$target" -max_total_time="$seconds" -max_len="${maxLen[$target]}" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$out/artifacts/$target/" \
    "$out/corpus/$target" "$seeds" > "$out/fuzz-$target.log" 2>&1 || status=$?
  echo "$status" > "$out/fuzz-$target.status"
}
for target in "${targets[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do sleep 1; done
  run_target "$target" &
done
wait

failed=()
for target in "${targets[@]}"; do
  log=$out/fuzz-$target.log
  status=$(cat "$out/fuzz-$target.status")
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "fuzz-$target: ${runs:-?} executions in ${seconds} s, status $status"
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    grep -E "ERROR|check failed|SUMMARY|Test unit written" "$log" | head -n 20 || true
  fi
done
if [ ${#failed[@]} -ne 0 ]; then
  echo "FAIL: findings in ${failed[*]} (inputs in $out/artifacts/)"
  exit 1
fi
echo "PASS: no findings"
