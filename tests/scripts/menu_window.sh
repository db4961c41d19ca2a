#!/usr/bin/env bash
# Drives the menus of a real window under a virtual X server with the mouse
# and the keyboard: opens the Config menu and the speed dialog, moves its
# slider with the arrow keys, closes it with Enter, pauses through the Game
# menu, switches to the whole desktop and back with F11 and Alt+Enter, and
# quits through the Game menu. Checks by screenshots that the Japanese
# captions are drawn, that the recording holds every command, and that it
# replays headless to the same state.
# Usage: menu_window.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"

use_virtual_display
export BIN="$bin" ASSETS="$assets" WORK="$work"

# Runs inside the virtual X server (1600 x 1200: the window opens at scale 2).
cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
"$BIN" --assets "$ASSETS" --seed 4321 --record "$WORK/rec.txt" --dump-state \
  > "$WORK/window-dump.txt" 2> "$WORK/stderr.txt" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/stderr.txt")" || exit 1
for _ in $(seq 1 50); do
  sleep 0.2
  xdotool getwindowgeometry --shell "$wid" > "$WORK/geometry.txt"
  source "$WORK/geometry.txt"
  import -window root "$WORK/root.png"
  convert "$WORK/root.png" -crop "1x1+$((X + 1400))+$((Y + 100))" +repage -depth 8 txt:- |
    grep -qi '#C0C0C0' && break
done
shot() { sleep 0.4; import -window root "$WORK/$1.png"; }
# Where the picture's top-left corner (the menu bar's) is on the screen: the
# top-left of everything grey.
locate() {
  read -r OX OY < <(convert "$WORK/$1.png" -fill black +opaque '#C0C0C0' -trim -format '%X %Y' info: | tr -d +)
}
# ImGui reads the pointer's global position: move it relative to the corner.
point() {
  xdotool mousemove 0 0
  sleep 0.1
  xdotool mousemove_relative -- "$((OX + $1 * 2))" "$((OY + $2 * 2))"
  sleep 0.3
}
choose() {  # menu x, row: open the menu, then click the row's item
  point "$1" 10
  xdotool click 1
  sleep 0.3
  point "$(($1 + 20))" "$((27 + 19 * $2))"
  xdotool click 1
}
shot closed
locate closed
echo "$OX $OY" > "$WORK/origin.txt"
point 72 10
xdotool click 1
shot config-open
point 92 46
shot config-hover
xdotool click 1
shot dialog
xdotool key Right Right Right Up
shot dialog-moved
xdotool key Return
sleep 0.3
choose 25 1
shot paused
xdotool key F11
shot fullscreen
locate fullscreen
echo "$OX $OY" > "$WORK/fullscreen-origin.txt"
xdotool getwindowgeometry --shell "$wid" > "$WORK/fullscreen-geometry.txt"
xdotool key alt+Return
shot windowed
locate windowed
echo "$OX $OY" > "$WORK/windowed-origin.txt"
choose 25 4  # exit, below the race's two items
wait "$pid"
echo "$?" > "$WORK/status.txt"
SESSION
VIRTUAL_SCREEN=1600x1200x24 run_in_virtual_display "$work/session.sh"

[[ -f "$work/status.txt" ]] || fail "the session did not finish"
status="$(cat "$work/status.txt")"
[[ "$status" == 0 ]] || { cat "$work/stderr.txt"; fail "the program ended with status $status"; }
source "$work/geometry.txt"
read -r X Y < "$work/origin.txt"

# How much of a crop of a screenshot is the form's grey, and how many of its
# pixels are ink: neither that grey nor white.
grey_part() {
  convert "$1" -crop "$2" +repage -fuzz 2% -fill white -opaque '#C0C0C0' -fill black +opaque white \
    -format '%[fx:mean]' info:
}
ink() {
  convert "$1" -crop "$2" +repage -fuzz 2% -fill white -opaque '#C0C0C0' -opaque white -fill black +opaque white \
    -format '%[fx:int((1-mean)*w*h+0.5)]' info:
}
# Inside the drop-down menu below "Config" (scale 2): grey with the two
# captions' letters on it, where the closed menu leaves the black field.
menu="$((2 * 150))x$((2 * 34))+$((X + 2 * 50))+$((Y + 2 * 24))"
awk -v open="$(grey_part "$work/config-open.png" "$menu")" -v closed="$(grey_part "$work/closed.png" "$menu")" \
  'BEGIN { exit !(open > 0.6 && closed < 0.5) }' || fail "the Config menu did not open"
letters="$(ink "$work/config-open.png" "$menu")"
(( letters > 1500 )) || fail "the Config menu shows no captions ($letters pixels of ink)"

# Both captions are drawn in full, each as long as its text: the inked part
# of each row, not a row of boxes or nothing.
row_width() {  # the width of the inked part of row $2 of the menu in $1
  convert "$1" -crop "$((2 * 175))x$((2 * 13))+$((X + 2 * 50))+$((Y + 2 * (23 + 19 * $2)))" +repage \
    -fuzz 20% -fill white -opaque '#C0C0C0' -trim -format '%w' info:
}
w0="$(row_width "$work/config-open.png" 0)"
w1="$(row_width "$work/config-open.png" 1)"
(( w0 > 2 * 160 && w1 > 2 * 75 && w1 < 2 * 110 )) || fail "menu rows are $w0 and $w1 pixels wide"

pixel() { convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | tail -1 | grep -o '#[0-9A-Fa-f]\{6\}'; }
# The dialog is centred on the window: its caption bar is navy with white
# letters, the client area grey.
cx=$((X + WIDTH / 2))
dialog_top=$((Y + (HEIGHT - 2 * (93 + 24)) / 2))
[[ "$(pixel "$work/dialog.png" "$((cx - 300))" "$((dialog_top + 2 * 10))")" == "#000080" ]] || fail "no caption bar"
caption="60x$((2 * 14))+$((cx - 2 * 210 + 8))+$((dialog_top + 2 * 4))"
letters="$(convert "$work/dialog.png" -crop "$caption" +repage -fill black -fuzz 30% +opaque white \
  -format '%[fx:int(mean*w*h+0.5)]' info:)"
(( letters > 30 )) || fail "the dialog's caption has no letters ($letters)"

# The recording: slider moves one event per key from the game's speed (50),
# the dialog's end activates
# the window, the pause and exit items. The release of the Enter that closed
# the dialog reaches the game or not, by timing; F11 and Alt+Enter never do.
grep -v '^tick' "$work/rec.txt" > "$work/commands.txt"
sed -n '/^menu pause$/,/^menu exit$/p' "$work/commands.txt" | diff - <(printf 'menu pause\nmenu exit\n') ||
  fail "keys of the full-screen switch reached the game"
diff <(grep -v '^key up Enter$' "$work/commands.txt") - <<'EXPECTED' || fail "recorded commands"
velmorane-replay 1
seed 4321
rules 1
activate
slider speed 51
slider speed 52
slider speed 53
slider speed 52
activate
menu pause
menu exit
EXPECTED

# Full screen gives the picture the whole desktop, 1600 x 1200, where it is
# centred at scale 2. A bare X server has no window manager to move and size
# the window, but the program's own view of its size changes all the same:
# then the picture is centred in a 1600 x 1200 area from the window's corner.
source "$work/fullscreen-geometry.txt"
read -r fx fy < "$work/fullscreen-origin.txt"
if [[ "${WIDTH}x${HEIGHT}" == "1600x1200" ]]; then
  [[ "$fx $fy" == "56 60" ]] || fail "full screen picture at $fx $fy"
else
  [[ "$fx $fy" == "$((X + 56)) $((Y + 60))" ]] || fail "full screen picture at $fx $fy, window at $X $Y"
fi
[[ "$(pixel "$work/fullscreen.png" "$((fx - 1))" "$((fy + 500))")" == "#000000" ]] || fail "no black bar left of the picture"
# Back in the window, the picture fills it again as before, even where no
# window manager answered the switch.
[[ "$(cat "$work/windowed-origin.txt")" == "$X $Y" ]] ||
  fail "the picture is at $(cat "$work/windowed-origin.txt") after full screen, at $X $Y before"

# The recording replays headless to the same game state. (The title tune's
# end is heard only in the window, its state is left out.)
"$bin" --headless --replay "$work/rec.txt" --assets "$assets" --dump-state > "$work/headless-dump.txt" 2>/dev/null
diff <(grep -v '^VirtualTime\|^Music' "$work/window-dump.txt") <(grep -v '^VirtualTime\|^Music' "$work/headless-dump.txt") ||
  fail "the headless replay of the recording ends in another state"
echo "menu window test passed"
