#!/usr/bin/env bash
# A headless game lost by three restarts, then left by Enter, by C, and by
# both keys at once: the title, a continued stage, and the continue winning.
# Usage: game_over_continue.sh <velmorane> <asset-dir>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
export SDL_AUDIODRIVER=dummy

# Start a one-player game and give up three times: each restart costs a life.
{
  printf 'velmorane-replay 1\nseed 5\nwait 300\nkey down Enter\nwait 200\nkey up Enter\nwait 3000\n'
  for _ in 1 2 3; do printf 'key down R\nkey up R\nwait 5000\n'; done
} > "$work/lost.txt"

# run NAME STAGE EXTRA-STEPS: the lost game plus the steps; prints the state.
run() {
  { cat "$work/lost.txt"; printf "$3"; } > "$work/$1.txt"
  "$bin" --headless --replay "$work/$1.txt" --assets "$assets" --dump-state --stage "$2" 2>/dev/null
}
# has STATE LINE...: every line is in the dumped state.
has() {
  local state="$1"
  shift
  for line in "$@"; do
    grep -qx -- "$line" <<< "$state" || fail "expected '$line' in: $(grep -E '^(StageNo|Lives|Score|ContinueCount|TitleTimer|Timer1|Timer2|Music) ' <<< "$state" | tr '\n' ' ')"
  done
}

state="$(run over 3 '')"
has "$state" "StageNo 3" "Lives 0" "Timer1 off 50" "Timer2 on 100" "Music over.mid playing"
# The wait goes on for as long as no key is pressed.
state="$(run still 3 'wait 20000\n')"
has "$state" "Timer2 on 100" "Lives 0"

state="$(run enter 3 'key down Enter\nwait 150\nkey up Enter\n')"
has "$state" "TitleTimer on 100" "Timer1 off 50" "Timer2 off 100" "ContinueCount 0" "Music Title.mid playing"

state="$(run continue 3 'key down C\nwait 150\nkey up C\nwait 500\n')"
has "$state" "StageNo 3" "Lives 3" "Score 0" "ContinueCount 1" "Timer1 on 50" "Timer2 off 100" \
  "TitleTimer off 100" "Music BGM3.mid playing"

# Enter and C in the same tick: the continue wins and the title stays away.
state="$(run both 3 'key down Enter\nkey down C\nwait 150\nkey up C\nkey up Enter\nwait 500\n')"
has "$state" "StageNo 3" "Lives 3" "ContinueCount 1" "Timer1 on 50" "Timer2 off 100" "TitleTimer off 100"
echo "game over and continue test passed"
