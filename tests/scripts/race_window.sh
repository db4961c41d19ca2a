#!/usr/bin/env bash
# Two programs race in two windows on one virtual X server through a seeded
# UDP relay (0 to 150 ms, 5 % lost): for 20 s each side's player steers with
# its own player 1 keys. Both recordings hold the same race — the same
# events, ticks and racers' keys — and the side that ran on after the other
# left holds at most a few more turns; the race replays offline.
# Usage: race_window.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"

use_virtual_display
relay="$(dirname "$bin")/tools/udp_relay"
[[ -x "$relay" ]] || fail "no relay at $relay (the build makes tools/udp_relay)"
export BIN="$bin" ASSETS="$assets" WORK="$work" RELAY="$relay"

cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
side() {  # side NAME ARGS...: a program with its own data and settings
  local name="$1"
  shift
  XDG_DATA_HOME="$WORK/$name/data" XDG_CONFIG_HOME="$WORK/$name/config" \
    "$BIN" --assets "$ASSETS" --lang en "$@" > "$WORK/$name.out" 2> "$WORK/$name.err" &
}
side host --host 0
host=$!
wait_until 60 "the host's port" grep -q 'hosting a race on port' "$WORK/host.err" || exit 1
port="$(sed -n 's/.*hosting a race on port \([0-9]*\).*/\1/p' "$WORK/host.err")"
"$RELAY" --target "127.0.0.1:$port" --port-file "$WORK/relay.port" --seed 3 --delay-ms 0:150 --loss 5 \
  --lifetime-ms 120000 &
relay=$!
wait_until 30 "the relay's port" test -s "$WORK/relay.port" || exit 1
side guest --join "127.0.0.1:$(cat "$WORK/relay.port")"
guest=$!
# The race begins once both windows show the two-player stage: its
# recording's notes are written then.
race_recorded() { grep -qs '^# online race' "$WORK"/host/data/velmorane/replays/*.replay &&
  grep -qs '^# online race' "$WORK"/guest/data/velmorane/replays/*.replay; }
wait_until 60 "the race to begin" race_recorded || exit 1
hw="$(xdotool search --pid "$host" | tail -1)"
gw="$(xdotool search --pid "$guest" | tail -1)"
end=$((SECONDS + 20))
while ((SECONDS < end)); do
  hold_key "$hw" Right 0.4
  hold_key "$gw" Left 0.3
  hold_key "$hw" space 0.2
  hold_key "$gw" Up 0.5
  hold_key "$gw" space 0.2
done
import -window root "$WORK/race.png"
close_window "$guest" "$WORK/guest.status"
wait_until 30 "the host to hear the guest left" grep -q 'The other player left' "$WORK/host.err"
close_window "$host" "$WORK/host.status"
kill "$relay"
SESSION
VIRTUAL_SCREEN=1600x1200x24 run_in_virtual_display "$work/session.sh"

for side in host guest; do
  [[ "$(cat "$work/$side.status" 2>/dev/null)" == 0 ]] || { cat "$work/$side.err"; fail "the $side did not end well"; }
done
recording() { grep -l '^# online race' "$work/$1"/data/velmorane/replays/*.replay | head -1; }
host_rec="$(recording host)"
guest_rec="$(recording guest)"
grep -v '^#' "$host_rec" > "$work/host.events"
grep -v '^#' "$guest_rec" > "$work/guest.events"
host_lines=$(wc -l < "$work/host.events")
guest_lines=$(wc -l < "$work/guest.events")
shorter=$((host_lines < guest_lines ? host_lines : guest_lines))
cmp <(head -n "$shorter" "$work/host.events") <(head -n "$shorter" "$work/guest.events") ||
  fail "the two recordings differ before one side left"
extra=$(( $(grep -c '^tick Timer1$' "$work/host.events") - $(grep -c '^tick Timer1$' "$work/guest.events") ))
(( extra >= -6 && extra <= 6 )) || fail "one side ran $extra more frames than the other"
(( $(grep -c '^tick Timer1$' "$work/guest.events") >= 100 )) || fail "too few frames in 20 s"
grep -q '^key down Right$' "$work/host.events" || fail "the host's keys are not in the race"
grep -q '^key down C$' "$work/host.events" || fail "the guest's keys are not in the race as player 2's"
"$bin" --headless --assets "$assets" --replay "$guest_rec" --dump-state > "$work/replay.dump" ||
  fail "the guest's recording does not replay"
grep -q '^PlayMode 1$' "$work/replay.dump" || fail "the recording holds no two-player race"
echo "window race test passed"
