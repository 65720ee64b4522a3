#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test:
#   1. the normal build (build/) and its whole test suite;
#   2. the same suite again in build-asan/, built with AddressSanitizer and
#      UndefinedBehaviorSanitizer, where any report fails the test that made it;
#   3. clang-tidy and cppcheck over src/ and tools/ (scripts/lint.sh), clean;
#   4. each libFuzzer target for FUZZ_SECONDS seconds (default 60; 0 skips them).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
fuzz_seconds="${FUZZ_SECONDS:-60}"
scripts/deps.sh

scripts/build.sh -DTARMIGO_WERROR=ON
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/lint.sh build

echo "== The test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
# The options are exported before the build, as the build runs the test programs
# to list their tests.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARMIGO_WERROR=ON \
  -DTARMIGO_SANITIZE=ON -DTARMIGO_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

if [ "$fuzz_seconds" -gt 0 ]; then
  echo "== The fuzz targets, ${fuzz_seconds}s each"
  fuzz/run.sh "$fuzz_seconds"
fi
