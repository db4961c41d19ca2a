#!/usr/bin/env bash
# Plays every scenario replay in tests/replays headless and compares the final
# state with the one kept beside it, like a demo check: any change in how the
# game plays shows up as a difference.
# Usage: replays.sh <velmorane> <asset-dir>
# To accept new behaviour, write each .state again:
#   velmorane --headless --replay X.replay --dump-state > X.state
set -euo pipefail
bin="$1"
assets="$2"
dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../replays" && pwd)"
status=0
for replay in "$dir"/*.replay; do
  expected="${replay%.replay}.state"
  if ! actual="$("$bin" --headless --assets "$assets" --replay "$replay" --dump-state)"; then
    echo "FAIL: $(basename "$replay") did not run"
    status=1
  elif ! diff <(echo "$actual") "$expected" >/dev/null; then
    echo "FAIL: $(basename "$replay") ends in another state:"
    diff <(echo "$actual") "$expected" | head -20
    status=1
  else
    echo "ok: $(basename "$replay")"
  fi
done
exit $status
