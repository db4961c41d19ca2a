#!/usr/bin/env bash
# Settings last between runs, played in real windows under a virtual X
# server with a config folder of the test's own:
# - one press of A makes the game slower, and the settings file then holds
#   the frame interval 60;
# - the next start gives the game that speed as the first event, so its
#   recording begins with 'slider speed 60' and its state shows Timer1 at 60,
#   in the window and replayed headless;
# - with the jump key rebound to X in the file (as a person edits it, keeping
#   a comment of theirs), X jumps and is recorded as the game's own Space;
#   the person's comment is still there after the game rewrote the file;
# - --lang en shows the menus in English (measured on a screenshot);
# - the keys dialog refuses a key in use with a message and keeps a free one;
# - window_scale = 1 opens the window at scale 1; F11 is kept as full screen.
# Usage: settings_window.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
use_virtual_display
settings="$XDG_CONFIG_HOME/velmorane/settings.ini"
export BIN="$bin" ASSETS="$assets" WORK="$work" SETTINGS="$settings"

# One window session: starts the game with the options given after the
# session's name, runs the keys in $WORK/NAME.keys (which find the session's
# recording in $rec), then closes the window.
cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
name="$1"
shift
"$BIN" --assets "$ASSETS" --seed 777 --record "$WORK/$name.rec" --dump-state "$@" \
  > "$WORK/$name.dump" 2> "$WORK/$name.err" &
pid=$!
rec="$WORK/$name.rec"
wid="$(wait_for_window "$pid" "$WORK/$name.err")" || exit 1
wait_for_first_picture "$wid" "$WORK/geometry.txt" "$WORK/$name.png" || exit 1
source "$WORK/$name.keys"
close_window "$pid" "$WORK/$name.status"
SESSION
session() {
  run_in_virtual_display "$work/session.sh" "$@"
  [[ "$(cat "$work/$1.status")" == 0 ]] || { cat "$work/$1.err"; fail "session $1 ended with $(cat "$work/$1.status")"; }
}

# 1. One press of A.
echo 'hold_key "$wid" a 0.1; wait_for_line "$SETTINGS" "speed = 60"' > "$work/slower.keys"
session slower
[[ -f "$settings" ]] || fail "no settings file at $settings"
grep -qx 'speed = 60' "$settings" || { cat "$settings"; fail "the settings file does not hold speed 60"; }
grep -qx 'Timer1 off 60' "$work/slower.dump" || fail "A did not make the game slower"

# 2. The next start begins with the remembered speed.
echo 'wait_for_line "$rec" "slider speed 60"' > "$work/next.keys"
session next
# The first step after the header, seed and rules lines.
sed -n 4p "$work/next.rec" | grep -qx 'slider speed 60' ||
  { head -5 "$work/next.rec"; fail "the recording does not begin with 'slider speed 60'"; }
grep -qx 'Timer1 off 60' "$work/next.dump" || fail "the next start's state has no Timer1 at 60"
"$bin" --headless --replay "$work/next.rec" --assets "$assets" --dump-state > "$work/next-headless.dump" 2>/dev/null
grep -qx 'Timer1 off 60' "$work/next-headless.dump" || fail "the recording replays to another speed"
grep -qx 'speed = 60' "$settings" || fail "a start with the remembered speed lost it"

# 3. The jump key rebound by hand to X.
sed -i 's/^key_player1_jump = Space$/# I jump with X\nkey_player1_jump = X/' "$settings"
grep -qx 'key_player1_jump = X' "$settings" || fail "could not rebind the jump key in the file"
cat > "$work/jump.keys" <<'KEYS'
hold_key_seen "$wid" Return 0.3 "$rec" Enter || exit 1   # start a one-player game
wait_for_line "$rec" 'tick Timer1' || exit 1           # after the start jingle's hold
hold_key_seen "$wid" x 0.3 "$rec" Space || exit 1       # jump
wait_for_ticks "$rec" 16 || exit 1
hold_key "$wid" space 0.3                              # no longer a game key
hold_key "$wid" s 0.1                                  # faster again: the file is rewritten
wait_for_line "$SETTINGS" 'speed = 50' || exit 1
KEYS
session jump
rec="$work/jump.rec"
grep -qx 'key down Space' "$rec" || fail "X was not recorded as the game's jump key"
grep -q '^key [a-z]* X$' "$rec" && fail "X reached the game as itself"
[[ "$(grep -c '^key down Space$' "$rec")" == 1 ]] || fail "the Space key still jumps"
# The hero rises in the ticks after the jump key: the recording up to the
# key, then with four more frames, replayed headless.
upto="$(grep -n '^key down Space$' "$rec" | cut -d: -f1)"
head -n "$upto" "$rec" > "$work/before.rec"
awk -v n="$upto" 'NR <= n { print; next } /^tick Timer1$/ && ++t > 4 { exit } { print }' "$rec" > "$work/after.rec"
y() { "$bin" --headless --replay "$1" --assets "$assets" --dump-state 2>/dev/null | sed -n 's/^PlayerY //p'; }
y0="$(y "$work/before.rec")"
y1="$(y "$work/after.rec")"
[[ -n "$y0" && -n "$y1" ]] && (( y1 < y0 )) || fail "the hero did not jump (PlayerY $y0 then $y1)"
grep -qx '# I jump with X' "$settings" || fail "the person's comment was lost"
grep -qx 'key_player1_jump = X' "$settings" || fail "the rebound key was lost"
grep -qx 'speed = 50' "$settings" || fail "S did not make the game faster in the file"

# 4. English menus: the Config menu opened with the mouse.
cat > "$work/english.keys" <<'KEYS'
source "$WORK/geometry.txt"
read -r OX OY < <(convert "$WORK/english.png" -fill black +opaque '#C0C0C0' -trim -format '%X %Y' info: | tr -d +)
xdotool mousemove 0 0
sleep 0.1
xdotool mousemove_relative -- "$((OX + 72))" "$((OY + 10))"
sleep 0.3
xdotool click 1
sleep 0.5
import -window root "$WORK/english-menu.png"
echo "$OX $OY" > "$WORK/english-origin.txt"
KEYS
session english --lang en
read -r OX OY < "$work/english-origin.txt"
# The inked width of rows of the drop-down menu (scale 1), inside its border:
# the English brightness item is about 200 pixels wide (the Japanese one
# under 180) and "Keys" about 25 (the Japanese one about 45).
row_width() {
  convert "$work/english-menu.png" -crop "225x13+$((OX + 52))+$((OY + 23 + 19 * $1))" +repage \
    -fuzz 20% -fill white -opaque '#C0C0C0' -trim -format '%w' info:
}
w0="$(row_width 0)"
w3="$(row_width 3)"
(( w0 >= 190 && w0 <= 215 && w3 >= 15 && w3 <= 35 )) || fail "English menu rows 0 and 3 are $w0 and $w3 pixels wide"
grep -qx 'language = ja' "$settings" || fail "--lang was saved"

# 5. The keys dialog: player 2's jump is offered B (player 2's right: refused,
# with a message), then K (taken at once, and saved).
cat > "$work/dialog.keys" <<'KEYS'
source "$WORK/geometry.txt"
read -r OX OY < <(convert "$WORK/dialog.png" -fill black +opaque '#C0C0C0' -trim -format '%X %Y' info: | tr -d +)
point() {
  xdotool mousemove 0 0
  sleep 0.1
  xdotool mousemove_relative -- "$((OX + $1))" "$((OY + $2))"
  sleep 0.3
}
point 72 10; xdotool click 1; sleep 0.3
point 92 84; xdotool click 1; sleep 0.5      # Config, the keys item
import -window root "$WORK/keys-dialog.png"
point 318 392; xdotool click 1; sleep 0.3    # player 2 jump
xdotool key b; sleep 0.4
import -window root "$WORK/keys-refused.png"
cp "$SETTINGS" "$WORK/after-refusal.ini"
point 318 392; xdotool click 1; sleep 0.3
xdotool key k; sleep 0.4
xdotool key Return; sleep 0.3
echo "$OX $OY" > "$WORK/dialog-origin.txt"
KEYS
session dialog
grep -qx 'key_player2_jump = Z' "$work/after-refusal.ini" || fail "a key in use was taken"
grep -qx 'key_player2_jump = K' "$settings" || fail "the keys dialog did not keep K for player 2's jump"
read -r OX OY < "$work/dialog-origin.txt"
# The refusal's message: ink on the line under the key rows, none there before.
message_ink() {
  convert "$1" -crop "400x13+$((OX + 130))+$((OY + 408))" +repage -fuzz 20% -fill white -opaque '#C0C0C0' \
    -fill black +opaque white -format '%[fx:int((1-mean)*w*h+0.5)]' info:
}
before="$(message_ink "$work/keys-dialog.png")"
after="$(message_ink "$work/keys-refused.png")"
(( before == 0 && after > 100 )) || fail "no message for the refused key ($before, then $after pixels of ink)"

# 6. The window's scale from the file: 1 on a desktop where 2 would fit; F11
# then goes to the whole screen, and the file keeps that.
sed -i 's/^window_scale = 0$/window_scale = 1/' "$settings"
cat > "$work/scale.keys" <<'KEYS'
xdotool getwindowgeometry --shell "$wid" > "$WORK/scale-geometry.txt"
xdotool key F11
wait_for_line "$SETTINGS" 'fullscreen = yes'
KEYS
VIRTUAL_SCREEN=1600x1200x24 session scale
source "$work/scale-geometry.txt"
[[ "${WIDTH}x${HEIGHT}" == "744x540" ]] || fail "window_scale = 1 opened a ${WIDTH}x${HEIGHT} window"
grep -qx 'fullscreen = yes' "$settings" || fail "F11 was not kept as full screen"
grep -qx 'window_scale = 1' "$settings" || fail "the scale was lost"
echo "settings window test passed"
