#!/usr/bin/env bash
# Reaches the speed dialog with the keyboard alone in a real window: F10
# drops the Game menu down, Right goes to Config, Down drops it down and
# moves to the speed item, Enter opens the dialog at the game's speed, two
# Rights move its slider and Enter closes it. Checks each step on the
# screen, the recording, and the new speed in the state the game ends in.
# Usage: keyboard_menus.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"

use_virtual_display
export BIN="$bin" ASSETS="$assets" WORK="$work"

# Runs inside the virtual X server (1600 x 1200: the window opens at scale 2).
cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
"$BIN" --assets "$ASSETS" --seed 4321 --no-records --no-settings --record "$WORK/rec.txt" --dump-state \
  > "$WORK/dump.txt" 2> "$WORK/stderr.txt" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/stderr.txt")" || exit 1
wait_for_first_picture "$wid" "$WORK/geometry.txt" "$WORK/screen.png" || exit 1
source "$WORK/geometry.txt"
# Whether the colour is the most of a rectangle of the screen, or shows
# somewhere in it: x y width height from the window's corner, at scale 2.
colours() {
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage -format %c histogram:info: | sort -rn
}
mostly() { colours "$@" | head -1 | grep -qi "$5"; }
shows() { colours "$@" | grep -qi "$5"; }
grey='#C0C0C0'       # a menu dropped down over the black field
highlight='#A0B0E0'  # the menu or item the keyboard is on
navy='#000080'       # the dialog's caption bar
step() {  # KEY WHAT TEST X Y W H COLOUR: presses KEY, then waits until TEST
  local key="$1" what="$2"
  shift 2
  xdotool key "$key"
  wait_until 30 "$what" "$@" || exit 1
}
step F10 "the Game menu" mostly 60 150 100 20 "$grey"
step Right "the Config menu's title" shows 100 4 80 30 "$highlight"
step Down "the Config menu's first item" shows 110 44 380 28 "$highlight"
step Down "the speed item" shows 110 82 380 28 "$highlight"
step Return "the speed dialog" mostly $((WIDTH / 2 - 300)) $((HEIGHT / 2 - 100)) 200 30 "$navy"
xdotool key Right
wait_for_line "$WORK/rec.txt" "slider speed 51" || exit 1
xdotool key Right
wait_for_line "$WORK/rec.txt" "slider speed 52" || exit 1
xdotool key Return
closed() { sed -n '/^slider speed 52$/,$p' "$WORK/rec.txt" | grep -qx activate; }
wait_until 30 "the dialog's end" closed || exit 1
close_window "$pid" "$WORK/status.txt"
SESSION
VIRTUAL_SCREEN=1600x1200x24 run_in_virtual_display "$work/session.sh"

[[ -f "$work/status.txt" ]] || fail "the session did not finish"
status="$(cat "$work/status.txt")"
[[ "$status" == 0 ]] || { cat "$work/stderr.txt"; fail "the program ended with status $status"; }
# Only the slider and the dialog's end reach the game: the keys that moved
# in the menus do not (their releases may, which change nothing).
diff <(grep -v '^tick\|^key up ' "$work/rec.txt") - <<'EXPECTED' || fail "recorded commands"
velmorane-replay 1
seed 4321
rules 1
activate
slider speed 51
slider speed 52
activate
EXPECTED
grep -qx 'Timer1 off 52' "$work/dump.txt" || fail "the speed is not 52: $(grep '^Timer1' "$work/dump.txt")"
echo "keyboard menus test passed"
