#!/usr/bin/env bash
# The program's answers to good and bad command lines: exit statuses and the
# one line that names what is wrong.
# Usage: command_line.sh <velmorane> <asset-dir>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
need_tool identify
export SDL_AUDIODRIVER=dummy
# expect STATUS PATTERN -- ARGS...: runs the program, checks its status and
# that standard error (or output) holds PATTERN.
expect() {
  local want="$1" pattern="$2"
  shift 3
  local out
  out="$("$bin" "$@" 2>&1)"
  local got=$?
  [[ "$got" == "$want" ]] || fail "'$*' ended with $got, expected $want: $out"
  grep -q -- "$pattern" <<< "$out" || fail "'$*' said '$out', expected '$pattern'"
}

expect 0 "--replay FILE" -- --help
expect 0 "^velmorane [0-9]" -- --version
expect 2 "unknown option '--nonsense'" -- --nonsense
expect 2 "--seed: 'x' is not a number" -- --seed x
expect 2 "--headless needs --replay" -- --headless
expect 2 "--stage: '11'" -- --stage 11
expect 2 "--print-stage needs --seed" -- --print-stage 3
expect 0 "" -- --print-stage 3 --seed 42
expect 2 "" -- --print-stage 11 --seed 42

printf 'velmorane-replay 1\nseed 5\nwait 1000\nkey down Enter\nkey up Enter\n' > "$work/good.txt"
expect 0 "^TitleTimer on 100" -- --headless --replay "$work/good.txt" --assets "$assets" --dump-state
# The replay's own seed wins over --seed.
diff <("$bin" --headless --replay "$work/good.txt" --assets "$assets" --dump-state --seed 9 2>/dev/null) \
  <("$bin" --headless --replay "$work/good.txt" --assets "$assets" --dump-state --seed 10 2>/dev/null) >/dev/null ||
  fail "--seed changed a replay that names its seed"
"$bin" --headless --replay "$work/good.txt" --assets "$assets" --dump-state --seed 9 2>/dev/null |
  grep -q '^VirtualTime 1000$' || fail "the wait did not move the virtual clock"

# --stage chooses where the title's Enter starts; the start jingle holds the
# game for its own length on the virtual clock.
printf 'velmorane-replay 1\nseed 5\nwait 1000\nkey down Enter\nwait 150\nkey up Enter\n' > "$work/start.txt"
"$bin" --headless --replay "$work/start.txt" --assets "$assets" --stage 4 --dump-state 2>/dev/null > "$work/start-dump.txt"
grep -q '^StageNo 4$' "$work/start-dump.txt" || fail "--stage 4 did not start stage 4"
grep -q '^Timer1 on 50$' "$work/start-dump.txt" || fail "the stage is not running"

printf 'velmorane-replay 1\nwait 10\nkey down Escape\n' > "$work/bad.txt"
expect 2 "bad.txt:3: unknown key 'Escape'" -- --headless --replay "$work/bad.txt" --assets "$assets" --dump-state
out="$("$bin" --headless --replay "$work/bad.txt" --assets "$assets" --dump-state 2>/dev/null)"
[[ -z "$out" ]] || fail "a malformed replay still printed a state"

printf 'velmorane-replay 1\ntick Timer1\n' > "$work/idle.txt"
expect 2 "idle.txt:2: Timer1 is not enabled" -- --headless --replay "$work/idle.txt" --assets "$assets"
expect 1 "missing.txt" -- --headless --replay "$work/missing.txt" --assets "$assets"

mkdir -p "$work/broken"
cp "$assets"/*.bmp "$work/broken/"
head -c 100 "$assets/Chr2Image.bmp" > "$work/broken/Chr2Image.bmp"
expect 1 "Chr2Image.bmp: BMP is cut short" -- --headless --replay "$work/good.txt" --assets "$work/broken"
rm "$work/broken/ChrImage.bmp"
expect 1 "ChrImage.bmp" -- --headless --replay "$work/good.txt" --assets "$work/broken"

"$bin" --headless --replay "$work/good.txt" --assets "$assets" --screenshot "$work/shot.png" 2>/dev/null ||
  fail "headless screenshot"
[[ "$(identify -format '%wx%h' "$work/shot.png")" == "744x520" ]] || fail "headless screenshot size"
echo "command line test passed"
