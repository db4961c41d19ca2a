#!/usr/bin/env bash
# Races two real programs on 127.0.0.1 through a seeded UDP relay that delays
# datagrams by 0 to 150 ms, loses 5 % and so reorders them: five races of
# random keys over 2,000 turns each, which must end in the same state on both
# sides, with recordings alike but for their notes that replay offline to
# that state; one race whose relay drops everything for 20 s, which both
# sides end as lost (exit 4); and a guest of another protocol, refused
# (exit 5). Every port is a free one: the host and the relay say theirs.
# Usage: race_headless.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"

relay="$(dirname "$bin")/tools/udp_relay"
[[ -x "$relay" ]] || fail "no relay at $relay (the build makes tools/udp_relay)"

# keys SEED TURNS KEY... : a side's inputs, each turn pressing or letting go
# of one of its keys now and then.
keys() {
  local seed="$1" turns="$2"
  shift 2
  awk -v seed="$seed" -v turns="$turns" -v list="$*" 'BEGIN {
    srand(seed); n = split(list, key, " ")
    print "velmorane-replay 1"
    if (seed % 2) print "seed " seed
    for (t = 0; t < turns; t++) {
      k = int(rand() * n * 3) + 1
      if (k <= n) { print (held[k] ? "key up " : "key down ") key[k]; held[k] = !held[k] }
      print "tick Timer1"
    }
  }'
}

# race NAME SEED [RELAY OPTION...]: one race through a relay; leaves each
# side's dump, recording, messages and exit status in $work/NAME.*.
race() {
  local name="$1" seed="$2" dir="$work/$1"
  shift 2
  mkdir -p "$dir"
  keys "$((seed * 2 + 1))" 2000 Left Right Up Space > "$dir/host.keys"
  keys "$((seed * 2))" 2100 Left Right Up Down Space > "$dir/guest.keys"
  "$bin" --headless --assets "$assets" --host 0 --inputs "$dir/host.keys" --record "$dir/host.rec" --dump-state \
    > "$dir/host.dump" 2> "$dir/host.err" &
  local host=$!
  wait_until 30 "the host's port" grep -q 'hosting a race on port' "$dir/host.err" || return 1
  local port
  port="$(sed -n 's/.*hosting a race on port \([0-9]*\).*/\1/p' "$dir/host.err")"
  "$relay" --target "127.0.0.1:$port" --port-file "$dir/relay.port" --seed "$seed" "$@" --lifetime-ms 300000 &
  local relay_pid=$!
  wait_until 30 "the relay's port" test -s "$dir/relay.port" || return 1
  set +e
  "$bin" --headless --assets "$assets" --join "127.0.0.1:$(cat "$dir/relay.port")" --inputs "$dir/guest.keys" \
    --record "$dir/guest.rec" --dump-state > "$dir/guest.dump" 2> "$dir/guest.err"
  echo $? > "$dir/guest.status"
  wait "$host"
  echo $? > "$dir/host.status"
  set -e
  kill "$relay_pid" 2>/dev/null || true
  wait "$relay_pid" 2>/dev/null || true
}

# Five races side by side: they mostly wait for the network.
lossy=(--delay-ms 0:150 --loss 5)
for seed in 1 2 3 4 5; do race "race$seed" "$seed" "${lossy[@]}" & done
race blackout 6 "${lossy[@]}" --blackout-after-ms 3000 --blackout-ms 20000 &
wait

for seed in 1 2 3 4 5; do
  dir="$work/race$seed"
  for side in host guest; do
    [[ "$(cat "$dir/$side.status")" == 0 ]] || { cat "$dir/$side.err"; fail "race $seed: the $side exited $(cat "$dir/$side.status")"; }
  done
  diff "$dir/host.dump" "$dir/guest.dump" > /dev/null || fail "race $seed: the two sides ended in different states"
  grep -q '^PlayMode 1$' "$dir/host.dump" || fail "race $seed: no two-player race was played"
  diff <(grep -v '^#' "$dir/host.rec") <(grep -v '^#' "$dir/guest.rec") > /dev/null ||
    fail "race $seed: the recordings differ beyond their notes"
  grep -q '^# online race input delay [2-6] turns' "$dir/host.rec" || fail "race $seed: no input delay noted"
  (( $(grep -c '^tick Timer1$' "$dir/host.rec") >= 1900 )) || fail "race $seed: too few frames recorded"
  "$bin" --headless --assets "$assets" --replay "$dir/guest.rec" --dump-state > "$dir/replay.dump"
  diff <(grep -v '^VirtualTime' "$dir/host.dump") <(grep -v '^VirtualTime' "$dir/replay.dump") ||
    fail "race $seed: the recording replays to another state"
done

dir="$work/blackout"
for side in host guest; do
  [[ "$(cat "$dir/$side.status")" == 4 ]] || { cat "$dir/$side.err"; fail "blackout: the $side exited $(cat "$dir/$side.status"), not 4"; }
  grep -q 'nothing came from the other player for 15 s' "$dir/$side.err" || fail "blackout: the $side did not say why"
done

# A guest of another protocol is refused with both protocols named; the host
# waits on for another, and is stopped here.
"$bin" --headless --assets "$assets" --host 0 --inputs "$work/race1/host.keys" > /dev/null 2> "$work/host.err" &
host=$!
wait_until 30 "the host's port" grep -q 'hosting a race on port' "$work/host.err"
port="$(sed -n 's/.*hosting a race on port \([0-9]*\).*/\1/p' "$work/host.err")"
set +e
VELMORANE_RACE_PROTOCOL=99 "$bin" --headless --assets "$assets" --join "127.0.0.1:$port" \
  --inputs "$work/race1/guest.keys" > /dev/null 2> "$work/refused.err"
status=$?
set -e
kill "$host"
[[ "$status" == 5 ]] || { cat "$work/refused.err"; fail "the guest of another protocol exited $status, not 5"; }
grep -q 'protocol 1.*protocol 99' "$work/refused.err" || { cat "$work/refused.err"; fail "the refusal does not name both protocols"; }
echo "headless race test passed"
