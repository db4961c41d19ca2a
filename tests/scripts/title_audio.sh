#!/usr/bin/env bash
# Starts the game in a window under a virtual X server with SDL's disk audio
# driver and checks that the title tune is really heard in the written sound,
# with the General MIDI soundfont loaded in the background. Then starts it
# with a soundfont that cannot be loaded: the title still comes up and the
# music is silent, with one line on standard error naming the soundfont.
# Last, Enter starts a game and the window is closed while the start jingle
# holds the game: the program ends at once, not when the jingle is over.
# Usage: title_audio.sh <velmorane> <asset-dir>
set -euo pipefail
bin="$1"
assets="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
source "$here/lib/common.sh"
private_home "$work"
need_tool python3

[[ -f /usr/share/sounds/sf2/TimGM6mb.sf2 ]] || fail "the timgm6mb-soundfont package is not installed"

# Until the generated assets exist, a folder of stand-ins: the test sheets and
# a title tune of four quarter notes.
if [[ ! -f "$assets/Title.mid" || ! -f "$assets/ChrImage.bmp" ]]; then
  stand_in="$work/assets"
  mkdir -p "$stand_in"
  if [[ -f "$assets/ChrImage.bmp" ]]; then cp "$assets"/*.bmp "$stand_in"; else python3 "$here/make_sheets.py" "$stand_in"; fi
  python3 - "$stand_in/Title.mid" <<'PY'
import struct, sys
events = bytes([0x00, 0xC0, 0x00])
for note in (60, 64, 67, 72):
    events += bytes([0x00, 0x90, note, 127, 0x83, 0x60, 0x80, note, 0])
events += bytes([0x00, 0xFF, 0x2F, 0x00])
data = b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) + b"MTrk" + struct.pack(">I", len(events)) + events
open(sys.argv[1], "wb").write(data)
PY
  assets="$stand_in"
fi

export SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 SDL_AUDIODRIVER=disk
export BIN="$bin" ASSETS="$assets" WORK="$work"

# Runs inside the virtual X server: one run of the game until the title tune
# is heard (the soundfont loads in the background, slower on a busy machine)
# and a second after, or with --soundfont, two seconds of the title's sound;
# $1 names the run, the rest are extra options.
cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
run() {
  local name="$1"
  shift
  SDL_DISKAUDIOFILE="$WORK/$name.raw" "$BIN" --assets "$ASSETS" --seed 7 "$@" \
    > "$WORK/$name.out" 2> "$WORK/$name.err" &
  local pid=$!
  local wid
  wid="$(wait_for_window "$pid" "$WORK/$name.err")" || { echo "no window appeared" > "$WORK/$name.status"; return; }
  local sound="$WORK/$name.raw"
  if [[ $# == 0 ]]; then
    wait_until 60 "the title tune" sound_heard "$sound" && wait_for_sound "$sound" 1 ||
      { echo "no tune heard" > "$WORK/$name.status"; return; }
  else
    wait_for_sound "$sound" 2 || { echo "too little sound" > "$WORK/$name.status"; return; }
  fi
  close_window "$pid" "$WORK/$name.status"
}
run title
run nofont --soundfont "$WORK/none.sf2"

# This run is timed to its end, so the sanitizer's leak check at exit, which
# takes its own half second or more, is left to the two runs above.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" SDL_DISKAUDIOFILE="$WORK/jingle.raw" \
  "$BIN" --assets "$ASSETS" --seed 7 --record "$WORK/jingle.rec" --dump-state > "$WORK/jingle.out" 2> "$WORK/jingle.err" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/jingle.err")" || { echo "no window appeared" > "$WORK/jingle.status"; exit 0; }
wait_for_first_picture "$wid" "$WORK/geometry.txt" "$WORK/root.png" || { echo "no picture" > "$WORK/jingle.status"; exit 0; }
xdotool windowfocus --sync "$wid" 2>/dev/null || true
# Held over a title tick: the tick reads the key's flag, a tap between two
# ticks goes unseen. That tick starts the game and its jingle.
hold_key_seen "$wid" Return 0.4 "$WORK/jingle.rec" Enter || { echo "Enter unseen" > "$WORK/jingle.status"; exit 0; }
start=$(date +%s%N)
close_window "$pid" "$WORK/jingle.status"
echo $(( ($(date +%s%N) - start) / 1000000 )) > "$WORK/jingle.ms"
SESSION
run_in_virtual_display "$work/session.sh"

for name in title nofont jingle; do
  status="$(cat "$work/$name.status" 2>/dev/null || echo missing)"
  [[ "$status" == 0 ]] || { cat "$work/$name.err"; fail "the $name run ended with status $status"; }
done

# Loudness of the written sound (16-bit stereo at 44.1 kHz): seconds, peak and
# RMS of the whole.
loudness() {
  python3 - "$1" <<'PY'
import array, math, sys
a = array.array("h", open(sys.argv[1], "rb").read())
if sys.byteorder == "big":
    a.byteswap()
peak = max((abs(x) for x in a), default=0)
rms = math.sqrt(sum(x * x for x in a) / len(a)) if a else 0.0
print(f"{len(a) / 88200:.2f} {peak} {rms:.0f}")
PY
}

read -r seconds peak rms < <(loudness "$work/title.raw")
echo "title run: ${seconds} s of sound, peak $peak, RMS $rms"
python3 -c "import sys; sys.exit(0 if float('$seconds') >= 1.0 else 1)" || fail "less than a second of sound was written"
((peak > 1000)) || fail "the title tune is not audible (peak $peak)"
((rms > 100)) || fail "the title tune is too faint (RMS $rms)"
grep -q "cannot" "$work/title.err" && { cat "$work/title.err"; fail "complaints on standard error"; }

read -r seconds peak rms < <(loudness "$work/nofont.raw")
echo "run without a soundfont: ${seconds} s of sound, peak $peak"
((peak == 0)) || fail "sound without a soundfont (peak $peak)"
grep -q "cannot load soundfont $work/none.sf2" "$work/nofont.err" || { cat "$work/nofont.err"; fail "no line naming the soundfont"; }
closing_ms="$(cat "$work/jingle.ms")"
echo "closed during the start jingle after $closing_ms ms"
grep -q '^Timer1 on' "$work/jingle.out" || { cat "$work/jingle.out"; fail "Enter did not start a game"; }
if [[ -f "$assets/START.mid" ]]; then
  ((closing_ms < 1500)) || fail "closing the window waited for the jingle ($closing_ms ms)"
else
  echo "no START.mid among the stand-in assets: closing during the jingle not checked"
fi
echo "title audio test passed"
