#!/usr/bin/env bash
# Reproduces every performance figure of docs/performance.md: builds an optimised
# tree with the benchmarks (build-bench, or BENCH_BUILD_DIR) and runs each
# measurement in turn, after a description of the machine. Everything it prints
# is also kept in $BENCH_BUILD_DIR/results.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BENCH_BUILD_DIR:-build-bench}"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTARMIGO_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

export QT_QPA_PLATFORM=offscreen
missing() { echo "to be measured: $1 does not exist yet"; }

{
  echo "== Machine"
  date -u '+%Y-%m-%d %H:%M UTC'
  echo "nproc: $(nproc)"
  lscpu | head -n 15
  echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "compiler: $(c++ --version | head -n 1)"

  echo
  echo "== Engine: whole self-played games (hands per second)"
  if [ -x "$build/tools/sim/tarmigo-sim" ]; then
    "$build/tools/sim/tarmigo-sim" --games 2000 --seed 1 --p0 hard --p1 hard
    "$build/tools/sim/tarmigo-sim" --games 2000 --seed 1 --p0 easy --p1 easy
  else
    missing tarmigo-sim
  fi

  echo
  echo "== Engine: the computer's choice of a card, and one self-played hand"
  if [ -x "$build/bench/tarmigo_bench" ]; then
    "$build/bench/tarmigo_bench" --benchmark_min_time=1 --benchmark_repetitions=3 \
      --benchmark_report_aggregates_only=true
  else
    missing "the engine benchmark (bench/engine)"
  fi

  echo
  echo "== Paint: one whole board on the Qt surface at zoom 1 and 3"
  if [ -x "$build/bench/paint/tarmigo_paint_bench" ]; then
    "$build/bench/paint/tarmigo_paint_bench" --benchmark_min_time=1 --benchmark_repetitions=3 \
      --benchmark_report_aggregates_only=true
  else
    missing "the paint benchmark (bench/paint)"
  fi

  echo
  echo "== Slide: processor share of the example card slide (5 runs, pace 8 ms)"
  if [ -x "$build/bench/slide/tarmigo_slide_cost" ]; then
    "$build/bench/slide/tarmigo_slide_cost" 5 1 8
    "$build/bench/slide/tarmigo_slide_cost" 5 3 8
  else
    missing "the slide measurement (bench/slide)"
  fi

  echo
  echo "== The computer's turn in the window: frame pace, processor, a quit during it (10 turns)"
  if [ -x "$build/bench/present/tarmigo_present_bench" ]; then
    "$build/bench/present/tarmigo_present_bench" 10
  else
    missing "the presentation benchmark (bench/present)"
  fi

  echo
  echo "== Input during the computer's turn: Ctrl+Q and a menu by real X input (under Xvfb)"
  if [ -x bench/input/measure.sh ] && command -v xdotool >/dev/null; then
    bench/input/measure.sh 30 "$build"
  else
    missing "the input measurement (bench/input/measure.sh, with xdotool)"
  fi

  echo
  echo "== Start-up time and memory against the minimal Qt program (under Xvfb)"
  if [ -x bench/startup/measure.sh ]; then
    bench/startup/measure.sh "$build"
  else
    missing "the start-up and memory measurement (bench/startup/measure.sh)"
  fi

  echo
  echo "== The network game's cryptography: one exchange, a message sealed and opened"
  if [ -x "$build/bench/seal/tarmigo_seal_bench" ]; then
    "$build/bench/seal/tarmigo_seal_bench" --benchmark_min_time=1 --benchmark_repetitions=3 \
      --benchmark_report_aggregates_only=true
  else
    missing "the seal benchmark (bench/seal)"
  fi

  echo
  echo "== Network game on loopback: answers to the guest's inputs, a flood, drops"
  if [ -x "$build/tools/peer/tarmigo-peer" ]; then
    bench/net/measure.sh "$build/tools/peer/tarmigo-peer" latency 20
    bench/net/measure.sh "$build/tools/peer/tarmigo-peer" load 10000
    bench/net/measure.sh "$build/tools/peer/tarmigo-peer" drops 100
    bench/net/measure.sh "$build/tools/peer/tarmigo-peer" idle 5
    bench/net/measure.sh "$build/tools/peer/tarmigo-peer" fake 60
  else
    missing tarmigo-peer
  fi
} 2>&1 | tee "$build/results.txt"
