#!/usr/bin/env bash
# How long the program takes to act on input made while the computer plays its
# turn, under Xvfb, with real X key and mouse events (xdotool).
#   bench/input/measure.sh [RUNS] [PROGRAM | BUILD_FOLDER]   (defaults: 30, build)
#
# Each run starts the program afresh, with an empty HOME and XDG folders of its own,
# so that no real settings or saved game are read or touched, and the same new
# game against the computer at the default options (slides on, 8 ms a step).
# Four measurements, each RUNS times:
#   quit, during a turn:  D then 1 discards the card of slot 1, which passes the
#     turn to the computer; 200 ms later Ctrl+Q is pressed, and again every 50 ms
#     until the program has ended. Time from the first press to the end of the
#     process, and the number of presses made until then.
#   quit, at rest:        the same without D and 1: the floor of the above (the key
#     sent by xdotool, the close and the program's tear-down).
#   menu, during a turn:  the same turn; 200 ms later one click on the "New" menu
#     button of the bar. Time from the click to the menu's window being shown, or
#     "lost" when no menu shows within 5 s. A single click: a second one would close
#     the menu again if both were handled late.
#   menu, at rest:        the same click without a turn running.
# The keys and clicks go through one xdotool that reads its commands as they come (no
# program start between the decision and the press); the menu's window is seen by
# xev watching the screen's top-level windows being mapped. Times are wall-clock
# microseconds of this shell (EPOCHREALTIME). Every wait is bounded; the program is
# killed if it outlives its run.
set -euo pipefail
cd "$(dirname "$0")/../.."

runs=${1:-30}
target=${2:-build}
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "measure.sh: RUNS must be a positive number, not '$runs'" >&2; exit 2; }
if [ -d "$target" ]; then program=$target/src/qt/tarmigo; else program=$target; fi
[ -x "$program" ] || { echo "measure.sh: $program is not an executable program" >&2; exit 1; }
for tool in xdotool xev xvfb-run; do
  command -v "$tool" >/dev/null || { echo "measure.sh: $tool is missing (scripts/deps.sh installs it)" >&2; exit 1; }
done

# Everything below runs on one private X server of a fixed size, without a window
# manager: the program's window is given the keyboard focus directly.
if [ -z "${TARMIGO_MEASURE_XVFB:-}" ]; then
  export TARMIGO_MEASURE_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$runs" "$program"
fi
export QT_QPA_PLATFORM=xcb

work=$(mktemp -d)
pid=""
helpers=()
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill -9 "$pid" 2>/dev/null || true; fi
  local h
  for h in "${helpers[@]}"; do kill "$h" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Waits without starting a process (a sleep would cost a start under load).
mkfifo "$work/never"
exec {never}<>"$work/never"
pause() { read -r -t "$1" -u "$never" _ || true; }

# One xdotool for the whole run, reading its commands as they come: a press is made
# as soon as it is asked for, without the start of a program in between.
coproc XDO { exec xdotool - >/dev/null 2>&1; }
helpers+=("$XDO_PID")
send() {
  kill -0 "$XDO_PID" 2>/dev/null || { echo "measure.sh: xdotool stopped" >&2; exit 1; }
  echo "$*" >&"${XDO[1]}"
}

# The time (microseconds) each override-redirect window (a menu) is mapped on the
# screen, as the X server reports it, one per line in $work/maps.
mkfifo "$work/xev"
xev -root -event substructure >"$work/xev" 2>/dev/null &
helpers+=($!)
: >"$work/maps"
(
  mapped=0
  while read -r line; do
    case "$line" in
    MapNotify*) mapped=1 ;;
    *"override YES"*) [ "$mapped" = 1 ] && echo $((${EPOCHREALTIME/./})) >>"$work/maps"; mapped=0 ;;
    *) mapped=0 ;;
    esac
  done <"$work/xev"
) &
helpers+=($!)

# Starts the program in an empty home; sets pid, window and the file its end time
# (microseconds) is written to.
launch() {
  local home=$work/home.$1 tries=0
  mkdir -p "$home/run" && chmod 700 "$home/run"
  ended=$work/ended.$1
  (
    export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
    export XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/run
    "$program" >/dev/null 2>&1 &
    echo $! >"$work/pid"
    wait $! || true
    echo $((${EPOCHREALTIME/./})) >"$ended"
  ) &
  until [ -s "$work/pid" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 1000 ] || { echo "measure.sh: the program did not start" >&2; exit 1; }
    pause 0.01
  done
  pid=$(cat "$work/pid")
  rm -f "$work/pid"
  window=""
  tries=0
  while [ -z "$window" ]; do
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1 || true)
    tries=$((tries + 1))
    [ "$tries" -le 200 ] || { echo "measure.sh: no window within 10 s" >&2; exit 1; }
    [ -n "$window" ] || pause 0.05
  done
  pause 0.7 # the first paint, and the start's held writes made
  timeout 10 xdotool windowfocus --sync "$window"
}

# Waits up to 5 s for the program to end, then kills it.
finish() {
  local i
  for i in $(seq 1 250); do
    [ -e "$ended" ] && break
    pause 0.02
  done
  if [ ! -e "$ended" ]; then kill -9 "$pid" 2>/dev/null || true; fi
  for i in $(seq 1 250); do
    [ -e "$ended" ] && break
    pause 0.02
  done
  [ -e "$ended" ] || { echo "measure.sh: the program outlived a kill" >&2; exit 1; }
  pid=""
}

# D arms the discard, 1 discards the card of slot 1 and the computer's turn follows.
start_turn() {
  send key --delay 0 d
  pause 0.1
  send key --delay 0 1
  pause 0.2
}

# One quit: presses Ctrl+Q every 50 ms (10 s at most) and prints "MILLISECONDS PRESSES".
quit_run() {
  local first="" t presses=0 end
  while [ ! -e "$ended" ] && [ "$presses" -lt 200 ]; do
    t=$((${EPOCHREALTIME/./}))
    [ -n "$first" ] || first=$t
    send key --delay 0 ctrl+q
    presses=$((presses + 1))
    pause 0.05
  done
  finish
  end=$(cat "$ended")
  awk -v a="$first" -v b="$end" -v n="$presses" 'BEGIN { printf "%.1f %d\n", (b - a) / 1000, n }'
}

# One click on the New menu button; prints the milliseconds to the menu's window, or "lost".
menu_run() {
  # shellcheck disable=SC2034 # WINDOW and SCREEN are set by the eval, unused
  local clicked t result=lost X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$window")"
  send mousemove $((X + WIDTH / 30)) $((Y + HEIGHT - HEIGHT / 80))
  pause 0.02
  : >"$work/maps"
  clicked=$((${EPOCHREALTIME/./}))
  send click 1
  while :; do
    if [ -s "$work/maps" ]; then
      t=$(head -n 1 "$work/maps")
      result=$(awk -v a="$clicked" -v b="$t" 'BEGIN { printf "%.1f", (b - a) / 1000 }')
      break
    fi
    [ $(($((${EPOCHREALTIME/./})) - clicked)) -lt 5000000 ] || break
    pause 0.005
  done
  kill "$pid" 2>/dev/null || true
  finish
  echo "$result"
}

# Median, 99th percentile (nearest rank) and largest of a column of numbers.
summary() {
  sort -n | awk '{ a[NR] = $1 } END {
    if (NR == 0) { print "no figures"; exit }
    m = (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2
    r = int(0.99 * NR); if (r < 0.99 * NR) r++
    printf "median %.1f ms, 99th percentile %.1f ms, max %.1f ms (%d runs)", m, a[r], a[NR], NR }'
}

echo "program: $program, $runs runs each, load average $(cut -d' ' -f1-3 /proc/loadavg)"

: >"$work/turn"
: >"$work/rest"
: >"$work/menu"
: >"$work/menurest"
for i in $(seq 1 "$runs"); do
  launch "q$i"
  start_turn
  quit_run >>"$work/turn"
  launch "r$i"
  quit_run >>"$work/rest"
  launch "m$i"
  start_turn
  menu_run >>"$work/menu"
  launch "n$i"
  menu_run >>"$work/menurest"
done

echo "quit during a turn (first Ctrl+Q to the process's end): $(cut -d' ' -f1 "$work/turn" | summary)"
echo "  presses needed: $(cut -d' ' -f2 "$work/turn" | sort -n | awk '{ a[NR] = $1 } END {
  printf "median %d, max %d; one press was enough in %d of %d runs", a[int((NR + 1) / 2)], a[NR], ones, NR }
  { ones += ($1 == 1) }')"
echo "quit at rest (the same, no turn running): $(cut -d' ' -f1 "$work/rest" | summary)"
lost=$(grep -c lost "$work/menu" || true)
echo "menu during a turn (one click on New to its menu shown): $(grep -v lost "$work/menu" | summary); lost (no menu within 5 s): $lost of $runs"
echo "menu at rest (the same, no turn running): $(grep -v lost "$work/menurest" | summary); lost: $(grep -c lost "$work/menurest" || true) of $runs"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
