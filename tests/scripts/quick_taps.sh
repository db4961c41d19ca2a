#!/usr/bin/env bash
# A tap is never lost: in a real window, a 20 ms tap of Enter on the title
# starts the game and a 20 ms tap of Space in play jumps, though both are far
# shorter than the game's ticks (100 ms on the title, 50 ms in play).
# Usage: quick_taps.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
use_virtual_display
export BIN="$bin" ASSETS="$assets" WORK="$work"

cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
rec="$WORK/rec.txt"
"$BIN" --assets "$ASSETS" --seed 1234 --no-settings --record "$rec" 2> "$WORK/stderr.txt" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/stderr.txt")" || exit 1
wait_for_first_picture "$wid" "$WORK/geometry.txt" "$WORK/root.png" || exit 1
tap_key "$wid" Return
wait_for_line "$rec" 'tick Timer1' || exit 1   # the game started, after the jingle
wait_for_ticks "$rec" 10 || exit 1             # on the ground
tap_key "$wid" space
wait_for_line "$rec" 'key up Space' || exit 1
close_window "$pid" "$WORK/status.txt"
SESSION
run_in_virtual_display "$work/session.sh"

status="$(cat "$work/status.txt")"
[[ "$status" == 0 ]] || { cat "$work/stderr.txt"; fail "the program ended with status $status"; }

space_tap_jumped "$work/rec.txt"
echo "quick taps start the game and jump"
