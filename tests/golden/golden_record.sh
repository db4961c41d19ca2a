#!/usr/bin/env bash
# The golden record: plays every game in tests/golden/games headless with the
# program and requires the final state dump and the pixels of the last
# picture to be exactly the ones kept beside it. Any change in how the game
# plays or looks shows up here.
# Usage: golden_record.sh <velmorane> <asset-dir> [--write]
#   --write  writes the expectations anew (only for a deliberate change of
#            the game; look at the difference with git diff first)
set -euo pipefail
bin="$1"
assets="$2"
mode="${3:-check}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
games="$here/games"
source "$here/../scripts/lib/common.sh"
need_tool identify
# The real sheets only: stand-ins would draw other pictures.
[[ -f "$assets/ChrImage.bmp" ]] || fail "no sheets in $assets"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Plays one game; prints what it ended in: the dump, then the picture's hash.
play() {
  local replay="$1" out="$2" options
  options="$(sed -n 's/^# options: //p' "$replay")"
  # shellcheck disable=SC2086
  "$bin" --headless --assets "$assets" --replay "$replay" --dump-state --screenshot "$out.png" $options > "$out" &&
    echo "picture $(identify -format '%#' "$out.png")" >> "$out"
}

check_one() {
  local replay="$1" name out expected
  name="$(basename "$replay" .replay)"
  out="$work/$name.txt"
  expected="${replay%.replay}.expected"
  if ! play "$replay" "$out" 2> "$work/$name.err"; then
    echo "FAIL: $name did not run: $(head -3 "$work/$name.err")"
    return 1
  fi
  if [[ "$mode" == "--write" ]]; then
    cp "$out" "$expected"
  elif ! diff -q "$out" "$expected" > /dev/null; then
    echo "FAIL: $name ($(sed -n 2p "$replay" | cut -c3-)) ends otherwise:"
    diff "$expected" "$out" | head -12
    return 1
  fi
}
export -f play check_one
export bin assets mode work

count="$(find "$games" -name '*.replay' | wc -l)"
if find "$games" -name '*.replay' | sort | xargs -P "$(nproc)" -I{} bash -c 'check_one "$1"' _ {}; then
  echo "golden record: $count games as recorded"
else
  echo "golden record: some of $count games differ"
  exit 1
fi
