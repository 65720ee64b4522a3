#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
#
#   scripts/test.sh              the quick run: the normal build (build/, without
#                                the benchmarks) and its whole suite: unit, replay,
#                                golden images, Qt offscreen, faults and the fuzz
#                                corpus replayed as regression inputs.
#   scripts/test.sh --thorough   the quick run, then the benchmarks' build,
#                                clang-tidy, cppcheck and the clang-format check
#                                (scripts/lint.sh), the
#                                whole suite again under AddressSanitizer and
#                                UndefinedBehaviorSanitizer (build-asan/), and each
#                                libFuzzer target for FUZZ_SECONDS seconds
#                                (default 60; 0 skips them), and the Debian
#                                package built, validated and started
#                                (packaging/check_package.sh), and what Orca
#                                speaks of a hand played by keys (ctest label
#                                orca; scripts/deps.sh --orca installs it). CI
#                                runs this one.
#
# Either way it ends by printing how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
start=$SECONDS
thorough=0
case "${1:-}" in
  "") ;;
  --thorough) thorough=1 ;;
  *) echo "usage: scripts/test.sh [--thorough]" >&2; exit 2 ;;
esac
fuzz_seconds="${FUZZ_SECONDS:-60}"
case "$fuzz_seconds" in '' | *[!0-9]*) echo "FUZZ_SECONDS must be a whole number of seconds" >&2; exit 2 ;; esac

finish() {
  local status=$?
  local took=$((SECONDS - start))
  echo "== scripts/test.sh$([ "$thorough" -eq 1 ] && echo " --thorough"): $([ "$status" -eq 0 ] && echo passed || echo FAILED) in $((took / 60))m$((took % 60))s"
}
trap finish EXIT
# A heading with the time taken so far, so that each part's share shows.
step() { echo "== [$(((SECONDS - start) / 60))m$(((SECONDS - start) % 60))s] $*"; }

scripts/deps.sh

# The benchmarks are built only by the thorough run; the quick one leaves them out
# so that a newcomer's first test run stays short.
step "Build (warnings as errors)"
scripts/build.sh -DTARMIGO_WERROR=ON -DTARMIGO_BENCHMARKS="$([ "$thorough" -eq 1 ] && echo ON || echo OFF)"
step "The test suite"
ctest --test-dir build --output-on-failure -j"$(nproc)" -LE orca
[ "$thorough" -eq 1 ] || exit 0

step "What a blind player hears: Orca reads a hand played by keys"
scripts/deps.sh --orca
# A real screen reader over a real bus: a rare slow start gets one more try.
ctest --test-dir build --output-on-failure -L orca --repeat until-pass:2

step "clang-tidy and cppcheck"
scripts/lint.sh build

step "The Debian package"
packaging/check_package.sh build

step "The test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
# The options are exported before the build, as the build runs the test programs
# to list their tests.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARMIGO_WERROR=ON \
  -DTARMIGO_SANITIZE=ON -DTARMIGO_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -LE orca
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS

if [ "$fuzz_seconds" -gt 0 ]; then
  step "The fuzz targets, ${fuzz_seconds}s each"
  fuzz/run.sh "$fuzz_seconds"
fi
