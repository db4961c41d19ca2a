#!/usr/bin/env bash
# Bad input to the real program: a missing or corrupt sheet or logo, an
# unreadable or malformed replay, a replay of rules this version does not play, a replay that ends in the middle of a game,
# an unwritable place for --record or --screenshot, and no display. Where the
# program cannot go on it says so in one line naming the file and ends with a
# non-zero status, leaving nothing half-written behind.
# Usage: bad_input.sh <velmorane> <asset-dir>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
export SDL_AUDIODRIVER=dummy

# expect STATUS PATTERN ARGS...: the program ends with STATUS and standard
# error is exactly one line, holding PATTERN.
expect() {
  local want="$1" pattern="$2"
  shift 2
  local err got
  err="$(timeout 60 "$bin" "$@" 2>&1 >/dev/null)"
  got=$?
  [[ "$got" == "$want" ]] || fail "'$*' ended with $got, expected $want: $err"
  [[ "$(grep -c '' <<< "$err")" == 1 ]] || fail "'$*' said more than one line: $err"
  grep -q -- "$pattern" <<< "$err" || fail "'$*' said '$err', expected '$pattern'"
}

printf 'velmorane-replay 1\nseed 5\nwait 300\nkey down Enter\nwait 100\nkey up Enter\nwait 3000\n' > "$work/game.replay"
headless=(--headless --replay "$work/game.replay")

# Sheets and logo: missing, cut short, not a BMP at all.
for sheet in ChrImage.bmp Chr2Image.bmp TitleImage.bmp; do
  rm -rf "$work/broken"
  mkdir "$work/broken"
  cp "$assets"/*.bmp "$work/broken/"
  rm "$work/broken/$sheet"
  expect 1 "$work/broken/$sheet" "${headless[@]}" --assets "$work/broken"
  head -c 200 "$assets/$sheet" > "$work/broken/$sheet"
  expect 1 "$work/broken/$sheet: " "${headless[@]}" --assets "$work/broken"
  echo "not a picture" > "$work/broken/$sheet"
  expect 1 "$work/broken/$sheet: " "${headless[@]}" --assets "$work/broken"
done

# No --assets and none beside the program, installed or in the current
# folder: the line says where the program looked and how to name a folder.
mkdir -p "$work/lonely" "$work/elsewhere"
cp "$bin" "$work/lonely/velmorane"
(cd "$work/elsewhere" && bin="$work/lonely/velmorane" &&
  expect 1 "ChrImage.bmp.*no assets beside the program.*--assets DIR" "${headless[@]}") || exit 1

# Replays: missing, a folder, not a replay, a bad line, other rules.
expect 1 "$work/none.replay" --headless --replay "$work/none.replay" --assets "$assets"
mkdir "$work/folder.replay"
expect 1 "$work/folder.replay" --headless --replay "$work/folder.replay" --assets "$assets"
head -c 300 "$assets/ChrImage.bmp" > "$work/binary.replay"
expect 2 "binary.replay:1: the first line must be 'velmorane-replay 1'" --headless --replay "$work/binary.replay" --assets "$assets"
printf 'velmorane-replay 1\nwait 100\nkey down\n' > "$work/cut.replay"
expect 2 "cut.replay:3: expected 'key down NAME'" --headless --replay "$work/cut.replay" --assets "$assets"
# A recording made under rules this version does not play is refused, also
# in a window, before anything is played.
printf 'velmorane-replay 1\nseed 5\nrules 2\nwait 100\n' > "$work/newer.replay"
expect 2 "newer.replay:3: recorded under rules 2," --headless --replay "$work/newer.replay" --assets "$assets"
SDL_VIDEODRIVER=dummy expect 2 "newer.replay:3: recorded under rules 2," --replay "$work/newer.replay" --assets "$assets"

# A replay that stops in the middle of a stage is no error: the run ends
# there, and the state it reached is printed.
state="$(timeout 60 "$bin" "${headless[@]}" --assets "$assets" --dump-state 2> "$work/midgame.err")"
[[ $? == 0 ]] || fail "a replay ending mid-game failed: $(cat "$work/midgame.err")"
grep -qx "Timer1 on 50" <<< "$state" || fail "the replay did not stop in the middle of a stage"
grep -q "replay" "$work/midgame.err" && fail "a replay ending mid-game was reported: $(cat "$work/midgame.err")"

# Nowhere to write: the state is still printed, no file is left behind.
expect 1 "/proc/velmorane-shot.png" "${headless[@]}" --assets "$assets" --screenshot /proc/velmorane-shot.png
expect 1 "$work/no/such/folder/shot.png" "${headless[@]}" --assets "$assets" --screenshot "$work/no/such/folder/shot.png"
[[ ! -e "$work/no" ]] || fail "a folder was made for the screenshot"
state="$(timeout 60 "$bin" "${headless[@]}" --assets "$assets" --dump-state --screenshot /proc/velmorane-shot.png 2>/dev/null)"
grep -qx "Timer1 on 50" <<< "$state" || fail "the state was lost when the screenshot could not be written"
# The recording is begun once the window is open (SDL's dummy driver here).
SDL_VIDEODRIVER=dummy expect 1 "/proc/velmorane.replay" --record /proc/velmorane.replay --assets "$assets"
SDL_VIDEODRIVER=dummy expect 1 "$work/no/such/folder/rec.replay" --record "$work/no/such/folder/rec.replay" --assets "$assets"

# No display: no window, no hang, and the program's one line (the system's
# display libraries may add their own).
unset DISPLAY WAYLAND_DISPLAY SDL_VIDEODRIVER
for extra in "" "--record $work/nodisplay.replay"; do
  err="$(timeout 60 "$bin" --assets "$assets" --seed 1 $extra 2>&1 >/dev/null)"
  got=$?
  [[ "$got" == 1 ]] || fail "without a display the program ended with $got: $err"
  [[ "$(grep -c '^velmorane: ' <<< "$err")" == 1 ]] || fail "without a display: $err"
  grep -q "^velmorane: cannot open the window: no display available" <<< "$err" || fail "without a display: $err"
done
[[ ! -e "$work/nodisplay.replay" ]] || fail "a run that could not open its window left a recording behind"
echo "bad input test passed"
