#!/usr/bin/env bash
# A window scale kept in the settings that the screen cannot show: on a
# 1600 x 1200 screen, 3x (2232 x 1620) opens at 2x, the largest that fits,
# wholly on the screen. The settings file keeps the scale chosen.
# Usage: window_fits_screen.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
export VIRTUAL_SCREEN=1600x1200x24
use_virtual_display
settings="$XDG_CONFIG_HOME/velmorane/settings.ini"
mkdir -p "$(dirname "$settings")"
printf 'window_scale = 3\n' > "$settings"
export BIN="$bin" ASSETS="$assets" WORK="$work"

cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
"$BIN" --assets "$ASSETS" --seed 1234 2> "$WORK/stderr.txt" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/stderr.txt")" || exit 1
# The grey side panel, right of the play field, shows at 2x.
panel_at_2x() {
  xdotool getwindowgeometry --shell "$wid" > "$WORK/opened.txt"
  # shellcheck disable=SC1090
  source "$WORK/opened.txt"
  import -window root "$WORK/root.png"
  convert "$WORK/root.png" -crop "1x1+$((X + 1400))+$((Y + 140))" +repage -depth 8 txt:- | grep -qi '#C0C0C0'
}
wait_until 60 "the first picture at 2x" panel_at_2x || exit 1
close_window "$pid" "$WORK/status.txt"
SESSION
run_in_virtual_display "$work/session.sh"

status="$(cat "$work/status.txt")"
[[ "$status" == 0 ]] || { cat "$work/stderr.txt"; fail "the program ended with status $status"; }
# shellcheck disable=SC1090
source "$work/opened.txt"
[[ "$WIDTH" == 1488 && "$HEIGHT" == 1080 ]] || fail "the window is ${WIDTH}x$HEIGHT, not 2x (1488x1080)"
(( X >= 0 && Y >= 0 && X + WIDTH <= 1600 && Y + HEIGHT <= 1200 )) ||
  fail "the window at $X,$Y (${WIDTH}x$HEIGHT) is not wholly on the 1600x1200 screen"
grep -qx 'window_scale = 3' "$settings" || { cat "$settings"; fail "the settings lost the scale chosen"; }
echo "a scale too large for the screen opens at the largest that fits, on the screen"
