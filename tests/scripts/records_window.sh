#!/usr/bin/env bash
# What a game in a window leaves behind. Started at stage 5 with a high score
# in the table, the game is played a little, paused, F12 pressed and the
# window closed: the automatic recording, made once the game began, holds the
# start and replays headless, with no options, to the window's end state; the high score came from the
# table; F12's picture is the one --screenshot writes for that state. Then
# --no-records starts from 0 and leaves nothing.
# Usage: records_window.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
need_tool compare
use_virtual_display
data="$XDG_DATA_HOME/velmorane"
export BIN="$bin" ASSETS="$assets" WORK="$work" DATA="$data"
mkdir -p "$data"
printf 'velmorane-scores 1\n777\tstage 2\t2026-12-01 10:00\t-\tann\n' > "$data/scores.txt"

cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
"$BIN" --assets "$ASSETS" --seed 4321 --stage 5 --dump-state --screenshot "$WORK/end.png" \
  > "$WORK/window-dump.txt" 2> "$WORK/stderr.txt" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/stderr.txt")" || exit 1
wait_for_first_picture "$wid" "$WORK/geometry.txt" "$WORK/root.png" || exit 1
recording_begun() {
  local files=("$DATA"/replays/*.replay)
  rec="${files[0]}"
  [[ -f "$rec" ]]
}
xdotool keydown --window "$wid" Return                 # start a one-player game at stage 5
wait_until 60 "the automatic recording" recording_begun || exit 1
xdotool keyup --window "$wid" Return
wait_for_line "$rec" 'tick Timer1' || exit 1           # after the start jingle's hold
hold_key_seen "$wid" Right 0.6 "$rec" Right || exit 1
hold_key_seen "$wid" space 0.3 "$rec" Space || exit 1
wait_for_ticks "$rec" 10 || exit 1
hold_key "$wid" p 0.2                                  # pause: the picture stays as it is
wait_for_line "$rec" 'key down P' || exit 1
hold_key "$wid" F12 0.2
wait_for_line "$WORK/stderr.txt" 'velmorane: picture saved as .*' || exit 1
close_window "$pid" "$WORK/status.txt"

"$BIN" --assets "$ASSETS" --seed 4321 --no-records --dump-state > "$WORK/plain-dump.txt" 2> "$WORK/plain-stderr.txt" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/plain-stderr.txt")" || exit 1
wait_for_first_picture "$wid" "$WORK/geometry.txt" "$WORK/root.png" || exit 1
hold_key "$wid" F12 0.2
wait_for_line "$WORK/plain-stderr.txt" 'velmorane: no picture saved: this run keeps no records' || exit 1
close_window "$pid" "$WORK/plain-status.txt"
SESSION
run_in_virtual_display "$work/session.sh"

status="$(cat "$work/status.txt")"
[[ "$status" == 0 ]] || { cat "$work/stderr.txt"; fail "the program ended with status $status"; }

recordings=("$data"/replays/*.replay)
[[ ${#recordings[@]} == 1 && -f "${recordings[0]}" ]] || fail "expected one recording in $data/replays"
rec="${recordings[0]}"
[[ "$(basename "$rec")" =~ ^[0-9]{8}-[0-9]{6}\.replay$ ]] || fail "the recording is not named by its start time: $rec"
head -5 "$rec" | diff - <(printf 'velmorane-replay 1\nseed 4321\nstage 5\nhiscore 777\nrules 1\n') ||
  fail "the recording's start"
grep -qx 'StageNo 5' "$work/window-dump.txt" || fail "the game did not start at stage 5"
grep -qx 'HiScore 777' "$work/window-dump.txt" || fail "the high score did not come from the table"
grep -qx 'Paused 1' "$work/window-dump.txt" || fail "the game was not paused when the window closed"

replays_to_window_state "$rec" "$work/window-dump.txt"

pictures=("$XDG_PICTURES_DIR"/velmorane-*.png)
[[ ${#pictures[@]} == 1 && -f "${pictures[0]}" ]] || { cat "$work/stderr.txt"; fail "F12 saved no picture"; }
[[ "$(basename "${pictures[0]}")" =~ ^velmorane-[0-9]{8}-[0-9]{6}\.png$ ]] || fail "picture name: ${pictures[0]}"
grep -q "picture saved as ${pictures[0]}" "$work/stderr.txt" || fail "the picture was not named on standard error"
[[ "$(compare -metric AE "${pictures[0]}" "$work/end.png" null: 2>&1)" == 0 ]] ||
  fail "F12's picture differs from --screenshot's for the same state"

[[ "$(cat "$work/plain-status.txt")" == 0 ]] || { cat "$work/plain-stderr.txt"; fail "the --no-records run failed"; }
grep -qx 'HiScore 0' "$work/plain-dump.txt" || fail "--no-records did not start from a high score of 0"
[[ "$(ls "$data/replays" | wc -l)" == 1 ]] || fail "--no-records left a recording"
[[ "$(ls "$XDG_PICTURES_DIR" | wc -l)" == 1 ]] || fail "--no-records saved a picture"
echo "records of a window game kept and replayed"
