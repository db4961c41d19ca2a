#!/usr/bin/env bash
# --picture-hash prints the fingerprint the golden record keeps for the last
# picture (ImageMagick's signature of the screenshot): with --dump-state the
# program's output is the whole expectation file of a recorded game, and the
# hash of a picture equals identify's for the same screenshot.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
need_tool identify
games="$scripts_dir/../golden/games"
[[ -f "$assets/ChrImage.bmp" && "$assets" != "$work/assets" ]] || fail "no real sheets in $2"

for name in 001 002 150 307; do
  replay="$games/$name.replay"
  options="$(sed -n 's/^# options: //p' "$replay")"
  # shellcheck disable=SC2086
  "$bin" --headless --assets "$assets" --replay "$replay" --dump-state --picture-hash $options > "$work/$name.out" ||
    fail "game $name did not run"
  diff "$games/$name.expected" "$work/$name.out" > "$work/diff" || fail "game $name: $(head -5 "$work/diff")"
done

# A picture of its own, not from the record: the title after a few ticks.
printf 'velmorane-replay 1\nseed 7\nwait 950\n' > "$work/title.replay"
"$bin" --headless --assets "$assets" --replay "$work/title.replay" --picture-hash --screenshot "$work/title.png" \
  > "$work/title.out" || fail "the title run failed"
[[ "$(cat "$work/title.out")" == "picture $(identify -format '%#' "$work/title.png")" ]] ||
  fail "hash $(cat "$work/title.out") is not identify's $(identify -format '%#' "$work/title.png")"
echo "picture hashes as the golden record keeps them"
