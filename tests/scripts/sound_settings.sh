#!/usr/bin/env bash
# The sound settings reach what is heard. The game runs in a window under a
# virtual X server with SDL's disk audio driver, so the written sound can be
# measured, from a settings file of the test's own:
# - mute = yes: the title tune is silent;
# - music_volume = 0: silent too;
# - mute = yes, then the M key: the tune is heard, and the file says mute = no.
# (title_audio.sh shows the tune is heard with the default settings.)
# Usage: sound_settings.sh <velmorane> <asset-dir>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
need_tool python3
[[ -f "$assets/Title.mid" ]] || { echo "no title tune among the stand-in assets: nothing to hear"; exit 0; }
use_virtual_display disk
settings="$XDG_CONFIG_HOME/velmorane/settings.ini"
export BIN="$bin" ASSETS="$assets" WORK="$work" SETTINGS="$settings"

# One run: the settings file holds $2, then $3 keys are pressed, after which
# the settings file holds $4 and the tune is heard (the soundfont loads in
# the background); two more seconds of the title are written to $WORK/$1.raw.
cat > "$work/session.sh" <<'SESSION'
set -u
source "$COMMON_SH"
name="$1"
SDL_DISKAUDIOFILE="$WORK/$name.raw" "$BIN" --assets "$ASSETS" --seed 7 > "$WORK/$name.out" 2> "$WORK/$name.err" &
pid=$!
wid="$(wait_for_window "$pid" "$WORK/$name.err")" || exit 1
if [[ -n "${2:-}" ]]; then
  xdotool key --window "$wid" "$2"
  wait_for_line "$SETTINGS" "$3" || exit 1
  wait_until 60 "the title tune" sound_heard "$WORK/$name.raw" || exit 1
fi
wait_for_sound "$WORK/$name.raw" 2 || exit 1
close_window "$pid" "$WORK/$name.status"
SESSION
run() {
  mkdir -p "$(dirname "$settings")"
  printf '%s\n' "$2" > "$settings"
  run_in_virtual_display "$work/session.sh" "$1" "${3:-}" "${4:-}"
  [[ "$(cat "$work/$1.status")" == 0 ]] || { cat "$work/$1.err"; fail "the $1 run ended with $(cat "$work/$1.status")"; }
}
peak() {
  python3 - "$1" <<'PY'
import array, sys
a = array.array("h", open(sys.argv[1], "rb").read())
print(max((abs(x) for x in a), default=0), len(a))
PY
}

run muted 'mute = yes'
read -r p n < <(peak "$work/muted.raw")
(( n > 44100 && p == 0 )) || fail "muted, the title tune is heard (peak $p in $n samples)"

run quiet 'music_volume = 0'
read -r p n < <(peak "$work/quiet.raw")
(( n > 44100 && p == 0 )) || fail "at music volume 0 the title tune is heard (peak $p in $n samples)"

run unmuted 'mute = yes' m 'mute = no'
read -r p n < <(peak "$work/unmuted.raw")
(( p > 1000 )) || fail "M did not unmute the title tune (peak $p in $n samples)"
grep -qx 'mute = no' "$settings" || { cat "$settings"; fail "the settings file does not say mute = no"; }
echo "sound settings test passed"
