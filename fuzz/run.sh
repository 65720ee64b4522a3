#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS seconds (default 60),
# starting from the committed seed corpus. Any crash, sanitizer report, broken
# invariant or input slower than 10 s fails the run; libFuzzer leaves the input in
# the build folder as crash-*, leak-* or timeout-*. Replay one with
#   build-fuzz/fuzz_NAME build-fuzz/crash-...
# Set FUZZ_BUILD_DIR to build somewhere other than build-fuzz.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
case "$seconds" in '' | *[!0-9]*) echo "usage: fuzz/run.sh [SECONDS]" >&2; exit 2 ;; esac
build="${FUZZ_BUILD_DIR:-build-fuzz}"

cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"

passed=0
failed=0
for target in save_state replay net seal; do
  work="$build/corpus-$target"
  mkdir -p "$work"
  args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$build/")
  [ -f "fuzz/$target.dict" ] && args+=(-dict="fuzz/$target.dict")
  echo "== fuzz_$target for ${seconds}s"
  if ! "$build/fuzz_$target" "${args[@]}" "$work" "fuzz/corpus/$target" "fuzz/regressions/$target" >"$build/fuzz_$target.log" 2>&1; then
    failed=$((failed + 1))
    echo "fuzz_$target FAILED; its log:" >&2
    tail -n 60 "$build/fuzz_$target.log" >&2
  else
    passed=$((passed + 1))
    grep -E '^stat::number_of_executed_units|^Done' "$build/fuzz_$target.log" || true
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
