#!/usr/bin/env bash
# Starts the game in a window under a virtual X server, presses Enter on the
# title, closes the window and checks what was shown: the grey form with its
# sunken boxes around the play field, both on the screen and in the
# screenshot; then replays the recording headless and expects the same state.
# Usage: window_smoke.sh <velmorane> <asset-dir>
set -euo pipefail
bin="$1"
assets="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if [[ ! -f "$assets/ChrImage.bmp" ]]; then
  assets="$work/assets"
  mkdir -p "$assets"
  python3 "$here/make_sheets.py" "$assets"
fi

export SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 SDL_AUDIODRIVER=dummy
export BIN="$bin" ASSETS="$assets" WORK="$work"

# Runs inside the virtual X server.
cat > "$work/session.sh" <<'SESSION'
set -u
"$BIN" --assets "$ASSETS" --seed 1234 --record "$WORK/rec.txt" --dump-state \
  --screenshot "$WORK/shot.png" > "$WORK/window-dump.txt" 2> "$WORK/stderr.txt" &
pid=$!
wid=""
for _ in $(seq 1 100); do
  wid="$(xdotool search --name '^VELMORANE$' 2>/dev/null | head -1 || true)"
  [[ -n "$wid" ]] && break
  sleep 0.1
done
[[ -n "$wid" ]] || { echo "no window appeared"; kill -9 "$pid"; exit 1; }
# Wait until the first picture is on the screen (the grey panel shows).
for _ in $(seq 1 50); do
  sleep 0.2
  xdotool getwindowgeometry --shell "$wid" > "$WORK/geometry.txt"
  source "$WORK/geometry.txt"
  import -window root "$WORK/root.png"
  convert "$WORK/root.png" -crop "1x1+$((X + 700))+$((Y + 50))" +repage -depth 8 txt:- |
    grep -qi '#C0C0C0' && break
done
xdotool key --window "$wid" Return
sleep 0.5
# SIGTERM reaches the program as a request to close the window.
kill -TERM "$pid"
wait "$pid"
echo "$?" > "$WORK/status.txt"
SESSION
timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/session.sh"

fail() { echo "FAIL: $*"; exit 1; }
status="$(cat "$work/status.txt")"
[[ "$status" == 0 ]] || { cat "$work/stderr.txt"; fail "the program ended with status $status"; }

pixel() { convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | tail -1 | grep -o '#[0-9A-Fa-f]\{6\}'; }
expect_pixel() {
  local got
  got="$(pixel "$1" "$2" "$3")"
  [[ "${got^^}" == "$4" ]] || fail "$1 at ($2, $3) is $got, expected $4"
}

# The screenshot is the client area: 744 x 520.
[[ "$(identify -format '%wx%h' "$work/shot.png")" == "744x520" ]] || fail "screenshot size"
expect_pixel "$work/shot.png" 700 30 "#C0C0C0"    # the form's face right of the field
expect_pixel "$work/shot.png" 10 300 "#C0C0C0"    # left margin
expect_pixel "$work/shot.png" 592 216 "#808080"   # score box: sunken edge
expect_pixel "$work/shot.png" 600 226 "#FFFFFF"   # score box: inside
expect_pixel "$work/shot.png" 712 408 "#FFFFFF"   # stage caption box: lit edge
expect_pixel "$work/shot.png" 24 16 "#000000"     # the play field's corner

# On the screen, the same picture below the menu bar's strip.
source "$work/geometry.txt"
menu=20
expect_pixel "$work/root.png" $((X + 700)) $((Y + menu + 30)) "#C0C0C0"
expect_pixel "$work/root.png" $((X + 592)) $((Y + menu + 216)) "#808080"
expect_pixel "$work/root.png" $((X + 600)) $((Y + menu + 226)) "#FFFFFF"
expect_pixel "$work/root.png" $((X + 24)) $((Y + menu + 16)) "#000000"

# The recording starts with the seed and replays to the same state headless.
head -2 "$work/rec.txt" | diff - <(printf 'velmorane-replay 1\nseed 1234\n') || fail "recording header"
grep -q '^key down Enter$' "$work/rec.txt" || fail "the Enter key was not recorded"
"$bin" --headless --replay "$work/rec.txt" --assets "$assets" --dump-state > "$work/headless-dump.txt" 2>/dev/null
diff <(grep -v '^VirtualTime' "$work/window-dump.txt") <(grep -v '^VirtualTime' "$work/headless-dump.txt") ||
  fail "the headless replay of the recording ends in another state"
echo "window smoke test passed"
