#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz", clang with libFuzzer) and runs each for the given number
# of seconds (default 60) on its seed corpus in fuzz/corpus/<target>/. New inputs the fuzzer finds
# go to build-fuzz/corpus/<target>/, never into the repository; a fault leaves its input in
# build-fuzz/faults/ and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

targets=(fuzz_recipe_record fuzz_quote_record fuzz_menu_record fuzz_reservation_record
         fuzz_customer_record fuzz_ini fuzz_password_store fuzz_numbers fuzz_quote_totals
         fuzz_checks fuzz_cp1252)
# The settings and password targets write a file per input: in memory where there is room.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
mkdir -p build-fuzz/faults
failed=0
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$target"
  echo "== $target: ${seconds} s"
  if ! build-fuzz/fuzz/"$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/faults/$target-" \
      "build-fuzz/corpus/$target" "fuzz/corpus/$target" 2>"build-fuzz/$target.log"; then
    failed=1
    tail -n 40 "build-fuzz/$target.log"
  fi
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb|^#[0-9]+.*DONE' \
    "build-fuzz/$target.log" || true
done
exit "$failed"
