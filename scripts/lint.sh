#!/usr/bin/env bash
# Runs clang-tidy (with .clang-tidy and the build's compile_commands.json) and
# cppcheck over src/ and tools/, and checks that every tracked C++ file is formatted
# as .clang-format says. Exits non-zero when any of them reports anything.
#   scripts/lint.sh [BUILD_DIR]     (default build; it is configured if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
[ -f "$build/compile_commands.json" ] || cmake -S . -B "$build" >/dev/null
# Generated sources (resources, Qt's moc) must exist for the files that include them.
cmake --build "$build" -j"$(nproc)" >/dev/null

mapfile -t files < <(git ls-files 'src/*.cpp' 'tools/*.cpp')
status=0

echo "== clang-tidy (${#files[@]} files)"
if ! printf '%s\n' "${files[@]}" |
  xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null |
  tee "$build/clang-tidy.txt" | grep -E 'warning:|error:'; then
  echo "clang-tidy: nothing to report"
else
  status=1
fi

echo "== cppcheck"
if ! cppcheck --quiet --std=c++20 --language=c++ --enable=warning,performance,portability \
  --inline-suppr --error-exitcode=1 -I src -I tools/replay -j "$(nproc)" \
  --suppress=missingIncludeSystem "${files[@]}"; then
  status=1
else
  echo "cppcheck: nothing to report"
fi

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "== clang-format (${#sources[@]} files)"
if ! clang-format --dry-run --Werror "${sources[@]}"; then
  echo "clang-format: run clang-format -i on the files above"
  status=1
else
  echo "clang-format: nothing to report"
fi
exit $status
