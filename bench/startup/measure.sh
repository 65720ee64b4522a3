#!/usr/bin/env bash
# Start-up to the first painted board, and memory at rest, of the game against a
# minimal Qt Widgets program that opens one empty window, both under Xvfb.
#   bench/startup/measure.sh [BUILD_FOLDER]      (default: build)
# RUNS sets the number of timed starts of each (default 20). A start is timed from
# just before the program is run to the moment it reports its first paint (both
# print "first-paint NANOSECONDS" under TARMIGO_EXIT_AFTER_FIRST_PAINT=1), so the
# tear-down after it does not count.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
game=$build/src/qt/tarmigo
minimal=$build/bench/startup/tarmigo-bench-minimal
runs=${RUNS:-20}
for program in "$game" "$minimal"; do
  [ -x "$program" ] || { echo "measure.sh: $program is not built" >&2; exit 1; }
done

# Everything below runs on one private X server of a fixed size.
if [ -z "${TARMIGO_MEASURE_XVFB:-}" ]; then
  export TARMIGO_MEASURE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb # on that X server, whatever the caller's setting
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The game's window at the zoom it picks on this screen, for a window of equal size.
size="480 640"

# One start to its first paint, in microseconds.
once_us() {
  local start painted
  start=$(date +%s%N)
  painted=$(TARMIGO_EXIT_AFTER_FIRST_PAINT=1 "$@" 2>/dev/null | awk '/^first-paint / {print $2}')
  [ -n "$painted" ] || { echo "measure.sh: $1 did not report its first paint" >&2; exit 1; }
  echo $(( (painted - start) / 1000 ))
}

median_ms() {
  sort -n | awk '{a[NR]=$1} END {m=(NR%2)?a[(NR+1)/2]:(a[NR/2]+a[NR/2+1])/2; printf "%.1f\n", m/1000}'
}

# The median start-ups of both programs in milliseconds, "GAME MINIMAL". The two are
# started in turns, so that a slower moment of the machine weighs on both alike.
startup_ms() {
  : >"$home/game.us"
  : >"$home/minimal.us"
  local i g m
  for i in $(seq 1 $((runs + 3))); do
    g=$(once_us "$game")
    # shellcheck disable=SC2086
    m=$(once_us "$minimal" $size)
    if [ "$i" -gt 3 ]; then # the first three warm the caches up
      echo "$g" >>"$home/game.us"
      echo "$m" >>"$home/minimal.us"
    fi
  done
  echo "$(median_ms <"$home/game.us") $(median_ms <"$home/minimal.us")"
}

# Resident memory in KiB one and a half seconds after the start, the window shown.
rest_kib() {
  "$@" >/dev/null 2>&1 &
  local pid=$!
  sleep 1.5
  local rss
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$rss"
}

read -r game_ms minimal_ms < <(startup_ms)
game_kib=$(rest_kib "$game")
# shellcheck disable=SC2086
minimal_kib=$(rest_kib "$minimal" $size)

awk -v g="$game_ms" -v m="$minimal_ms" -v gk="$game_kib" -v mk="$minimal_kib" 'BEGIN {
  printf "start-up to first paint: tarmigo %.1f ms, minimal %.1f ms, ratio %.2f\n", g, m, g / m
  printf "memory at rest (VmRSS):  tarmigo %.1f MiB, minimal %.1f MiB, ratio %.2f\n", gk / 1024, mk / 1024, gk / mk
}'
