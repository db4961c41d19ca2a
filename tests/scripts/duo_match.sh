#!/usr/bin/env bash
# A headless two-player match on a known layout: player 1 climbs the ladder
# beside him and walks into the spikes on the top floor, player 2 wins, the
# wait follows. Then the brightness keys recolour the whole field at once,
# and Enter or C leave the wait.
# Usage: duo_match.sh <velmorane> <asset-dir>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
need_tool convert
export SDL_AUDIODRIVER=dummy

printf 'velmorane-replay 1\nseed 5\nwait 300\nkey down Space\nwait 100\nkey up Space\nwait 1000\n' > "$work/match.txt"
printf 'key down Right\nwait 300\nkey up Right\nkey down Up\nwait 4500\nkey up Up\n' >> "$work/match.txt"
printf 'key down Right\nwait 2000\nkey up Right\nwait 3000\n' >> "$work/match.txt"

# run NAME EXTRA-STEPS [OPTIONS...]: the match plus the steps.
run() {
  local name="$1" steps="$2"
  shift 2
  { cat "$work/match.txt"; printf "$steps"; } > "$work/$name.txt"
  "$bin" --headless --replay "$work/$name.txt" --assets "$assets" "$@" 2>/dev/null
}
has() {
  local state="$1"
  shift
  for line in "$@"; do
    grep -qx -- "$line" <<< "$state" || fail "expected '$line'"
  done
}
presses() { for _ in $(seq "$2"); do printf 'key down %s\nkey up %s\n' "$1" "$1"; done; }
# How many pixels of the play field have the colour r,g,b.
count() {
  convert "$1" -crop 553x481+24+16 +repage -format %c histogram:info: |
    awk -v c="($2)" '$2 == c { n = $1 + 0 } END { print n + 0 }'
}

state="$(run decided '' --dump-state --screenshot "$work/dark.png")"
has "$state" "PlayMode 1" "DuoState0 -201" "DuoState1 0" "DuoItemsLeft0 4" "DuoItemsLeft1 5" \
  "Timer1 off 50" "Timer2 on 100" "Music BGM1.mid playing"

# Brightness changes every tile already on the field, without a new frame;
# the 17th brighter and the 4th darker step change nothing.
run bright "$(presses Q 17)" --screenshot "$work/bright.png" || fail "bright run"
run darker "$(presses W 4)" --screenshot "$work/darker.png" || fail "darker run"
pairs_bright="0,0,60:0,0,220 0,0,75:0,0,235 0,0,90:0,0,250 35,0,0:195,0,0 45,0,0:205,0,0 55,0,0:215,0,0"
pairs_darker="0,0,60:0,0,30 0,0,75:0,0,45 0,0,90:0,0,60 35,0,0:5,0,0 45,0,0:15,0,0 55,0,0:25,0,0"
for shot in bright darker; do
  pairs="pairs_$shot"
  for pair in ${!pairs}; do
    before="$(count "$work/dark.png" "${pair%%:*}")"
    after="$(count "$work/$shot.png" "${pair##*:}")"
    [[ "$before" -gt 1000 ]] || fail "few pixels of ${pair%%:*} in the dark field: $before"
    # Darker turns 90 into 60: that colour then also holds the former 60s.
    [[ "$after" -ge "$before" ]] || fail "$shot: ${pair%%:*} had $before pixels, ${pair##*:} has $after"
  done
done

state="$(run title 'key down Enter\nwait 150\nkey up Enter\n' --dump-state)"
has "$state" "TitleTimer on 100" "Timer2 off 100" "Timer1 off 50" "PlayMode 0"

state="$(run again 'key down C\nwait 150\nkey up C\nwait 500\n' --dump-state)"
has "$state" "PlayMode 1" "Lives 3" "ContinueCount 1" "DuoState0 0" "DuoState1 0" "Timer1 on 50" "Timer2 off 100"
echo "two-player match test passed"
