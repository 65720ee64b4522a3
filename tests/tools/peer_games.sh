#!/bin/bash
# tarmigo-peer as two programs over the loopback address.
#   peer_games.sh PEER games N [HOSTARG GUESTARG]
#                                   N whole games; both sides print the same results
#   peer_games.sh PEER killguest    the guest killed mid-hand and started again with its
#                                   seat key, after a join without it was refused
#   peer_games.sh PEER killhost     the host killed mid-hand and started again
#   peer_games.sh PEER refused      a wrong code, a bad argument, a port nobody listens on
#   peer_games.sh PEER check        the host's saved game read back: sound, missing, damaged
set -u
peer=$1
mode=$2
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; for f in "$work"/*.out "$work"/*.err; do echo "== $f"; tail -5 "$f"; done; exit 1; }

# Starts a host; sets port and code from its first line.
start_host() {
  "$peer" host --port 0 --bind 127.0.0.1 --data-dir "$work/data" --seed 11 "$@" \
    >>"$work/host.out" 2>>"$work/host.err" &
  host_pid=$!
  for _ in $(seq 100); do
    line=$(grep -m1 '^listening' "$work/host.out" | tail -1) && [ -n "$line" ] && break
    sleep 0.1
  done
  [ -n "${line:-}" ] || fail "the host printed no listening line"
  read -r _ port code <<<"$(grep '^listening' "$work/host.out" | tail -1)"
}

results() { grep '^game over' "$1"; }
lines() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }
# Waits until the log holds N lines (the guest is then well into the first hand).
wait_lines() {
  for _ in $(seq 400); do [ "$(lines "$1")" -ge "$2" ] && return; sleep 0.05; done
  fail "the log $1 stayed short"
}

case $mode in
games)
  start_host --games "$3" ${4:+--level "$4"}
  "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/guest" --games "$3" --seed 12 ${5:+--level "$5"} \
    >"$work/guest.out" 2>"$work/guest.err" || fail "the guest exited with $?"
  wait $host_pid || fail "the host exited with $?"
  [ "$(results "$work/host.out" | wc -l)" -eq "$3" ] || fail "the host did not play $3 games"
  [ "$(results "$work/host.out")" = "$(results "$work/guest.out")" ] || fail "the results differ"
  ;;
killguest)
  start_host --games 1 --pace 3
  "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/guest" --seed 12 --pace 3 --log "$work/guest1.log" \
    >"$work/guest1.out" 2>&1 &
  guest=$!
  wait_lines "$work/guest1.log" 60
  kill -9 $guest
  grep -q '"handOver":true' "$work/guest1.log" && fail "the hand was over before the kill"
  # The code without the guest's seat key takes nothing; the key kept in its folder does.
  "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/other" >/dev/null 2>"$work/other.err"
  [ $? -eq 3 ] || fail "a join without the seat key did not exit with 3"
  grep -q "seat is taken" "$work/other.err" || fail "the seat taken was not said"
  "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/guest" --seed 13 --pace 1 \
    >"$work/guest.out" 2>"$work/guest.err" || fail "the second guest exited with $?"
  wait $host_pid || fail "the host exited with $?"
  [ "$(results "$work/host.out" | wc -l)" -eq 1 ] || fail "the host did not finish the game"
  [ "$(results "$work/host.out")" = "$(results "$work/guest.out")" ] || fail "the results differ"
  ;;
killhost)
  start_host --games 1 --pace 3
  "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/guest" --seed 12 --pace 3 --log "$work/guest.log" \
    >"$work/guest.out" 2>"$work/guest.err" &
  guest=$!
  wait_lines "$work/guest.log" 60
  kill -9 $host_pid
  wait $host_pid 2>/dev/null
  # Started again on the same port, the host resumes its saved game with its code.
  old_code=$code
  "$peer" host --port "$port" --bind 127.0.0.1 --data-dir "$work/data" --seed 11 --games 1 \
    >"$work/host2.out" 2>>"$work/host.err" &
  host_pid=$!
  wait $guest || fail "the guest exited with $?"
  wait $host_pid || fail "the second host exited with $?"
  read -r _ _ code <<<"$(head -1 "$work/host2.out")"
  [ "$code" = "$old_code" ] || fail "the resumed game has another code"
  [ "$(results "$work/host2.out")" = "$(results "$work/guest.out")" ] || fail "the results differ"
  [ "$(results "$work/guest.out" | wc -l)" -eq 1 ] || fail "the guest did not finish the game"
  ;;
refused)
  start_host --games 1 --code K7QX3D
  "$peer" join "127.0.0.1:$port" --code ACDEFG >"$work/wrong.out" 2>"$work/wrong.err"
  [ $? -eq 3 ] || fail "a wrong code did not exit with 3"
  [ "$(wc -l <"$work/wrong.err")" -eq 1 ] || fail "a wrong code gave more than one line"
  "$peer" join "127.0.0.1:$port" --code 'K7QX' >/dev/null 2>"$work/bad.err"
  [ $? -eq 2 ] || fail "a malformed code did not exit with 2"
  "$peer" host --games 0 >/dev/null 2>"$work/bad.err"
  [ $? -eq 2 ] || fail "--games 0 did not exit with 2"
  "$peer" join '[::1' --code K7QX3D >/dev/null 2>"$work/bad.err"
  [ $? -eq 2 ] || fail "a malformed address did not exit with 2"
  grep -q '^tarmigo-peer: "\[::1" is not an address: .*IPv6' "$work/bad.err" || fail "no reason given"
  kill $host_pid
  wait $host_pid 2>/dev/null
  "$peer" join "127.0.0.1:$port" --code K7QX3D --wait 2 --data-dir "$work/guest" >/dev/null 2>"$work/away.err"
  [ $? -eq 8 ] || fail "a port where nothing listens did not exit with 8"
  grep -q "nothing listens at 127.0.0.1:$port" "$work/away.err" || fail "nothing listening was not said"
  ;;
check)
  # Exit status, then the one line printed; the files are unchanged unless a game runs.
  expect() {
    sums=$(md5sum "$work"/data/* 2>/dev/null)
    "$peer" check --data-dir "$work/data" >"$work/check.out" 2>&1
    status=$?
    [ $status -eq "$1" ] || fail "check exited with $status, not $1: $(cat "$work/check.out")"
    [ "$(wc -l <"$work/check.out")" -eq 1 ] || fail "check printed more than one line"
    grep -q "$2" "$work/check.out" || fail "check said $(cat "$work/check.out"), not $2"
    [ -n "${3:-}" ] || [ "$(md5sum "$work"/data/* 2>/dev/null)" = "$sums" ] ||
      fail "check changed the files"
  }
  expect 7 "no saved network game"
  start_host --games 1 --pace 2
  "$peer" join "127.0.0.1:$port" --code "$code" --data-dir "$work/guest" --seed 12 --pace 2 --log "$work/guest.log" \
    >"$work/guest.out" 2>"$work/guest.err" &
  guest=$!
  wait_lines "$work/guest.log" 40
  expect 0 "^sound: game score [0-9]* to [0-9]*, miles [0-9]* to [0-9]*, code $code$" running
  wait $guest || fail "the guest exited with $?"
  wait $host_pid || fail "the host exited with $?"
  game=$work/data/network-game
  second=$work/data/network-game-second
  cp "$game" "$work/sound"
  head -c 100 "$work/sound" >"$game"
  expect 0 "^sound: .*; the file copy does not load$"
  cp "$work/sound" "$game"
  printf 'garbled' | dd of="$second" bs=1 seek=120 conv=notrunc 2>/dev/null
  expect 0 "^sound: .*; the second copy does not load$"
  printf 'garbled' | dd of="$game" bs=1 seek=120 conv=notrunc 2>/dev/null
  expect 7 "neither copy .* loads"
  # A sound record of a game the rules refuse: one player, its checksum kept by a byte
  # no game reads.
  python3 -c 'import sys; b = bytearray(open(sys.argv[1], "rb").read()); b[103] -= 1; b[247] += 1
open(sys.argv[1], "wb").write(b)' "$work/sound"
  cp "$work/sound" "$second"
  expect 7 "the second copy .* holds a game the rules refuse: a game of one player"
  ;;
*) fail "unknown mode $mode" ;;
esac
echo ok
