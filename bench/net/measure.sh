#!/usr/bin/env bash
# The network game's figures, on the loopback address only (docs/performance.md):
#   latency  GAMES whole games; the guest's inputs answered (median, 99th percentile),
#            the bytes of a game each way, and the views the guest got twice in a row
#   load     a game goes on while 10000 connections with wrong codes or malformed
#            frames come at the host; its memory before and after
#   drops    N games, each with the guest killed after a random number of messages
#            (10 to 109) and started again; every one must resume and end alike on
#            both sides, and the host's saved game must be sound throughout: it is
#            checked (tarmigo-peer check) each time a guest's log grows, right after
#            the kill, before the resume and at the end
#   joins    N guests one after another, each a new program holding the seat key,
#            killed once it has its first view: the time from its start to the first
#            view (median, 99th percentile); and while a game goes on, N joins with
#            the right code but no seat key: how many were seated (none should be)
#   idle     N times, the seated guest killed and started again while 32 idle connections
#            (each opened again as the host lets it go, at most about 6 a second) come
#            at the host: the time from its start to its first view
#   fake     a fake host that reads the guest's hello and share and closes, for SECONDS:
#            the tries of a first-time guest
# Usage: bench/net/measure.sh PEER [latency GAMES | load CONNECTIONS | drops N | joins N |
#                                   idle N | fake SECONDS]
set -u
peer=$1
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

start_host() {
  : >"$work/host.out"
  "$peer" host --port 0 --bind 127.0.0.1 --data-dir "$work/data" --new "$@" >"$work/host.out" 2>&1 &
  host_pid=$!
  for _ in $(seq 100); do grep -q '^listening' "$work/host.out" && break; sleep 0.05; done
  read -r _ port code <<<"$(head -1 "$work/host.out")"
}
rss() { awk '/VmRSS/ {print $2 " kB"}' "/proc/$1/status"; }

case $2 in
latency)
  start_host --games "$3" --seed 1
  "$peer" join "127.0.0.1:$port" --code "$code" --games "$3" --seed 2 --stats \
    --log "$work/guest.log" 2>&1 >/dev/null | sed "s/^/$3 games: /"
  wait $host_pid
  # A connection's views, each against the one before it on the same connection.
  python3 -c 'import json, sys
views, last, twice = 0, None, 0
for m in map(json.loads, open(sys.argv[1])):
    last = None if m["type"] == "hello" else last
    if m["type"] == "view":
        views, twice, last = views + 1, twice + (m == last), m
print("%d views, %d the same as the one before" % (views, twice))' "$work/guest.log"
  ;;
idle)
  start_host --games 1 --seed 7 --pace 50
  "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/guest" --seed 8 --pace 50 \
    >/dev/null 2>&1 &
  guest=$!
  for n in $(seq "$3"); do
    sleep 1
    kill -9 $guest
    wait $guest 2>/dev/null
    python3 -c 'import select, socket, sys, time
port, end, held = int(sys.argv[1]), time.monotonic() + 30, []
while time.monotonic() < end:
    if len(held) < 32:
        held.append(socket.create_connection(("127.0.0.1", port)))
        time.sleep(0 if len(held) < 32 else 0.15)
    for s in select.select(held, [], [], 0.01)[0]:
        try:
            gone = not s.recv(4096)
        except OSError:
            gone = True
        if gone:
            s.close()
            held.remove(s)' "$port" &
    flood=$!
    sleep 2
    "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/guest" --seed 8 --pace 50 \
      --stats >/dev/null 2>"$work/join.err" &
    guest=$!
    for _ in $(seq 600); do grep -q '^first view' "$work/join.err" && break; sleep 0.05; done
    kill $flood 2>/dev/null
    wait $flood 2>/dev/null
    awk '/^first view/ {print $4}' "$work/join.err" >>"$work/returns"
  done
  sort -n "$work/returns" | awk '{v[NR] = $1} END {
    printf "%d returns through 32 idle connections: median %.0f ms, longest %.0f ms\n",
      NR, v[int((NR + 1) / 2)], v[NR]}'
  kill -9 $guest $host_pid 2>/dev/null
  ;;
fake)
  python3 -c 'import socket, sys, time
server, tries = socket.create_server(("127.0.0.1", int(sys.argv[1]))), 0
server.settimeout(0.2)
end = time.monotonic() + int(sys.argv[2])
while time.monotonic() < end:
    try:
        s = server.accept()[0]
    except OSError:
        continue
    tries += 1
    s.recv(4096), s.close()
print("a fake host got %d tries in %s s" % (tries, sys.argv[2]))' 47999 "$3" &
  fake=$!
  sleep 0.5
  timeout "$3" "$peer" join 127.0.0.1:47999 --code K7QX3D --data-dir "$work/first" 2>&1 | tail -1
  wait $fake
  ;;
load)
  start_host --games 1 --seed 3 --pace 20
  "$peer" join "127.0.0.1:$port" --code "$code" --seed 4 --pace 20 >"$work/guest.out" 2>&1 &
  guest=$!
  sleep 1
  before=$(rss $host_pid)
  "$peer" flood "127.0.0.1:$port" --connections "$3"
  after=$(rss $host_pid)
  echo "host memory before the flood $before, after $after"
  wait $guest && echo "the game went on to its end: $(cat "$work/guest.out")"
  wait $host_pid
  ;;
joins)
  start_host --games 1 --seed 5 --pace 400
  for n in $(seq "$3"); do
    "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/guest" --pace 10000 --stats \
      2>"$work/join.err" >/dev/null &
    guest=$!
    for _ in $(seq 400); do grep -q '^first view' "$work/join.err" && break; sleep 0.005; done
    kill -9 $guest 2>/dev/null
    wait $guest 2>/dev/null
    awk '/^first view/ {print $4}' "$work/join.err" >>"$work/first-views"
  done
  sort -n "$work/first-views" | awk '{v[NR] = $1} END {
    printf "%d joins: first view after median %.2f ms, 99th percentile %.2f ms\n",
      NR, v[int((NR + 1) / 2)], v[int(NR * 0.99 + 0.999)]}'
  # The seated guest plays on while others join with the code alone.
  "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/guest" --seed 6 --pace 5 \
    >"$work/guest.out" 2>&1 &
  guest=$!
  seated=0 tried=0
  while [ $tried -lt "$3" ] && kill -0 $guest 2>/dev/null; do
    tried=$((tried + 1))
    "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/other" --wait 2 \
      >/dev/null 2>"$work/other.err"
    grep -q "seat is taken" "$work/other.err" || { kill -0 $guest 2>/dev/null && seated=$((seated + 1)); }
  done
  echo "$tried joins with the code but no seat key during the game: $seated seated"
  wait $guest && echo "the seated guest played on to the end: $(grep '^game over' "$work/guest.out")"
  wait $host_pid
  ;;
drops)
  resumed=0 checks=0 failed=0
  check() {
    checks=$((checks + 1))
    "$peer" check --data-dir "$work/data" >"$work/check.out" 2>&1 ||
      { failed=$((failed + 1)); echo "game $n, check $checks: $(cat "$work/check.out")"; }
  }
  lines() { cat "$1" 2>/dev/null | wc -l; }
  # While the guest PID runs and its LOG holds fewer than UNTIL lines, a check each time
  # the log grows.
  watch() {
    local seen=0 now
    while kill -0 "$1" 2>/dev/null; do
      now=$(lines "$2")
      [ "$now" -ge "$3" ] && break
      [ "$now" -gt $seen ] && { seen=$now; check; }
      sleep 0.01
    done
  }
  for n in $(seq "$3"); do
    rm -rf "$work/data" "$work/first.log" "$work/second.log"
    start_host --games 1 --seed "$n" --pace 3
    "$peer" join "127.0.0.1:$port" --code "$code" --seed "$n" --pace 3 --log "$work/first.log" \
      >/dev/null 2>&1 &
    guest=$!
    # Killed once it has received a random number of messages, before the game's end.
    watch $guest "$work/first.log" $((RANDOM % 100 + 10))
    kill -9 $guest 2>/dev/null || echo "game $n ended before its drop"
    wait $guest 2>/dev/null
    check
    sleep 0.2
    check
    "$peer" join "127.0.0.1:$port" --code "$code" --seed "$n" --wait 10 --log "$work/second.log" \
      >"$work/guest.out" 2>&1 &
    guest=$!
    watch $guest "$work/second.log" 1000000
    wait $guest
    wait $host_pid
    check
    if [ "$(grep '^game over' "$work/host.out")" = "$(grep '^game over' "$work/guest.out")" ] &&
       grep -q '^game over' "$work/guest.out"; then
      resumed=$((resumed + 1))
    else
      echo "game $n did not resume: $(cat "$work/guest.out")"
    fi
  done
  echo "$resumed of $3 games with a drop resumed and ended alike on both sides;" \
    "$checks checks of the host's saved game while they ran, $failed failed"
  ;;
esac
