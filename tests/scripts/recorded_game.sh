#!/usr/bin/env bash
# A recording proves itself: a short game is played in a real window under a
# virtual X server with real key presses (start, walk, jump, restart), the
# window is closed, and the recording replayed headless must end in exactly
# the state the window ended in.
# Usage: recorded_game.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
use_virtual_display
export BIN="$bin" ASSETS="$assets" WORK="$work"

cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
"$BIN" --assets "$ASSETS" --seed 1234 --record "$WORK/rec.txt" --dump-state \
  > "$WORK/window-dump.txt" 2> "$WORK/stderr.txt" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/stderr.txt")" || exit 1
wait_for_first_picture "$wid" "$WORK/geometry.txt" "$WORK/root.png" || exit 1
rec="$WORK/rec.txt"
hold_key_seen "$wid" Return 0.3 "$rec" Enter || exit 1   # start a one-player game
wait_for_line "$rec" 'tick Timer1' || exit 1           # after the start jingle's hold
hold_key_seen "$wid" Right 0.6 "$rec" Right || exit 1   # walk
hold_key_seen "$wid" space 0.3 "$rec" Space || exit 1   # jump
wait_for_ticks "$rec" 16 || exit 1
hold_key_seen "$wid" Left 0.3 "$rec" Left || exit 1
hold_key_seen "$wid" r 0.2 "$rec" R || exit 1           # restart the stage
wait_for_ticks "$rec" 30 || exit 1                     # the miss plays out
close_window "$pid" "$WORK/status.txt"
SESSION
run_in_virtual_display "$work/session.sh"

status="$(cat "$work/status.txt")"
[[ "$status" == 0 ]] || { cat "$work/stderr.txt"; fail "the program ended with status $status"; }

rec="$work/rec.txt"
head -3 "$rec" | diff - <(printf 'velmorane-replay 1\nseed 1234\nrules 1\n') || fail "recording header"
for line in 'key down Enter' 'key down Right' 'key up Right' 'key down Space' 'key down R' 'tick Timer1'; do
  grep -qx "$line" "$rec" || fail "'$line' is not in the recording"
done
grep -qx 'PlayMode 0' "$work/window-dump.txt" || fail "the window did not end in a one-player game"
grep -qx 'Timer1 on 50' "$work/window-dump.txt" || fail "the game was not running when the window closed"
grep -qx 'Lives 2' "$work/window-dump.txt" || fail "the restart did not cost a life"

replays_to_window_state "$rec" "$work/window-dump.txt"
echo "recorded game replays to the same state"
