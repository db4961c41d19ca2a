#!/usr/bin/env bash
# Watching a recording in a window and stopping it. While the recording
# plays, P pauses it and nothing reaches the records; Esc stops it, and the
# game that follows is a plain one: recorded from its own start (replaying
# headless to the window's end state), with F12 saving pictures.
# Usage: watch_window.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
use_virtual_display
data="$XDG_DATA_HOME/velmorane"
export BIN="$bin" ASSETS="$assets" WORK="$work" DATA="$data"
printf 'velmorane-replay 1\nseed 99\nstage 3\nwait 600000\n' > "$work/long.replay"

cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
"$BIN" --assets "$ASSETS" --seed 4321 --replay "$WORK/long.replay" --dump-state \
  > "$WORK/window-dump.txt" 2> "$WORK/stderr.txt" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/stderr.txt")" || exit 1
wait_for_first_picture "$wid" "$WORK/geometry.txt" "$WORK/root.png" || exit 1
ls "$DATA/replays" > "$WORK/while-watching.txt" 2>&1
hold_key "$wid" p 0.2
hold_key "$wid" Escape 0.2
recording_begun() {
  local files=("$DATA"/replays/*.replay)
  rec="${files[0]}"
  [[ -f "$rec" ]]
}
# The new game's recording gets its file once the game has begun.
hold_key "$wid" Return 0.3
wait_until 60 "the new game's recording" recording_begun || exit 1
wait_for_line "$rec" 'tick Timer1' || exit 1
hold_key_seen "$wid" Right 0.4 "$rec" Right || exit 1
hold_key "$wid" F12 0.2
wait_for_line "$WORK/stderr.txt" 'velmorane: picture saved as .*' || exit 1
close_window "$pid" "$WORK/status.txt"
SESSION
run_in_virtual_display "$work/session.sh"

status="$(cat "$work/status.txt")"
[[ "$status" == 0 ]] || { cat "$work/stderr.txt"; fail "the program ended with status $status"; }
grep -q 'No such file' "$work/while-watching.txt" || fail "the watched recording left records: $(cat "$work/while-watching.txt")"
recordings=("$data"/replays/*.replay)
[[ ${#recordings[@]} == 1 && -f "${recordings[0]}" ]] || fail "expected one recording in $data/replays"
head -3 "${recordings[0]}" | diff - <(printf 'velmorane-replay 1\nseed 4321\nrules 1\n') ||
  fail "the new game's recording does not start as a game of its own"
grep -qx 'StageNo 1' "$work/window-dump.txt" || fail "the new game did not start at the run's own stage"
replays_to_window_state "${recordings[0]}" "$work/window-dump.txt"
pictures=("$XDG_PICTURES_DIR"/velmorane-*.png)
[[ -f "${pictures[0]}" ]] || fail "F12 saved no picture after the watching"
echo "a stopped recording gives way to a recorded game"
