#!/usr/bin/env bash
# Starts the game in a window under a virtual X server, closes the window and
# checks what was shown: the grey form with its sunken boxes around the play
# field, both on the screen and in the screenshot.
# Usage: window_smoke.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
use_virtual_display
export BIN="$bin" ASSETS="$assets" WORK="$work"

cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
"$BIN" --assets "$ASSETS" --seed 1234 --screenshot "$WORK/shot.png" 2> "$WORK/stderr.txt" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/stderr.txt")" || exit 1
wait_for_first_picture "$wid" "$WORK/geometry.txt" "$WORK/root.png"
close_window "$pid" "$WORK/status.txt"
SESSION
run_in_virtual_display "$work/session.sh"

status="$(cat "$work/status.txt")"
[[ "$status" == 0 ]] || { cat "$work/stderr.txt"; fail "the program ended with status $status"; }

pixel() { convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | tail -1 | grep -o '#[0-9A-Fa-f]\{6\}'; }
expect_pixel() {
  local got
  got="$(pixel "$1" "$2" "$3")"
  [[ "${got^^}" == "$4" ]] || fail "$1 at ($2, $3) is $got, expected $4"
}

# The screenshot is the client area: 744 x 520.
[[ "$(identify -format '%wx%h' "$work/shot.png")" == "744x520" ]] || fail "screenshot size"
expect_pixel "$work/shot.png" 700 30 "#C0C0C0"    # the form's face right of the field
expect_pixel "$work/shot.png" 10 300 "#C0C0C0"    # left margin
expect_pixel "$work/shot.png" 592 216 "#808080"   # score box: sunken edge
expect_pixel "$work/shot.png" 600 226 "#FFFFFF"   # score box: inside
expect_pixel "$work/shot.png" 712 408 "#FFFFFF"   # stage caption box: lit edge
expect_pixel "$work/shot.png" 24 16 "#000000"     # the play field's corner

# On the screen, the same picture below the menu bar's strip.
source "$work/geometry.txt"
menu=20
expect_pixel "$work/root.png" $((X + 700)) $((Y + menu + 30)) "#C0C0C0"
expect_pixel "$work/root.png" $((X + 592)) $((Y + menu + 216)) "#808080"
expect_pixel "$work/root.png" $((X + 600)) $((Y + menu + 226)) "#FFFFFF"
expect_pixel "$work/root.png" $((X + 24)) $((Y + menu + 16)) "#000000"
echo "window smoke test passed"
