#!/usr/bin/env bash
# Installs what is missing, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh -DTARMIGO_BENCHMARKS=OFF
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "tarmigo: no display to show the game on (DISPLAY and WAYLAND_DISPLAY are unset)" >&2
  exit 1
fi
exec build/src/qt/tarmigo "$@"
