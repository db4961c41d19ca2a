#!/usr/bin/env bash
# Paths on the command line mean what was typed, from the folder the program
# was started in: a relative replay, screenshot, recording and asset folder
# are read and written there, and tunes are still found in the asset folder.
# Usage: relative_paths.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
export SDL_AUDIODRIVER=dummy

here="$work/here"
mkdir -p "$here/in" "$here/own-assets"
cp "$assets"/* "$here/own-assets/"
# Start a game: the start jingle holds it for the tune's own length, so the
# final virtual time tells whether the tune was found.
printf 'velmorane-replay 1\nseed 5\nwait 1000\nkey down Enter\nwait 150\nkey up Enter\n' > "$here/in/start.txt"

"$bin" --headless --replay "$here/in/start.txt" --assets "$assets" --dump-state > "$work/absolute-dump.txt" 2>/dev/null ||
  fail "the run with absolute paths failed"
(cd "$here" && "$bin" --headless --replay in/start.txt --assets own-assets --screenshot shot.png --dump-state) \
  > "$work/relative-dump.txt" 2> "$work/relative-stderr.txt" ||
  { cat "$work/relative-stderr.txt"; fail "the run with relative paths failed"; }
[[ -s "$here/shot.png" ]] || fail "the screenshot is not where it was asked for"
[[ ! -e "$here/own-assets/shot.png" ]] || fail "the screenshot went into the asset folder"
diff "$work/absolute-dump.txt" "$work/relative-dump.txt" || fail "relative paths gave another game"
[[ ! -s "$work/relative-stderr.txt" ]] || { cat "$work/relative-stderr.txt"; fail "the run complained"; }

use_virtual_display
export BIN="$bin" HERE="$here" WORK="$work"
cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
cd "$HERE"
"$BIN" --assets own-assets --seed 1234 --record rec.txt 2> "$WORK/window-stderr.txt" &
pid=$!
wait_for_window "$pid" "$WORK/window-stderr.txt" > /dev/null || exit 1
close_window "$pid" "$WORK/status.txt"
SESSION
run_in_virtual_display "$work/session.sh"
status="$(cat "$work/status.txt")"
[[ "$status" == 0 ]] || { cat "$work/window-stderr.txt"; fail "the window ended with status $status"; }
head -1 "$here/rec.txt" | grep -qx 'velmorane-replay 1' || fail "the recording is not where it was asked for"
[[ ! -e "$here/own-assets/rec.txt" ]] || fail "the recording went into the asset folder"
echo "relative paths mean what was typed"
