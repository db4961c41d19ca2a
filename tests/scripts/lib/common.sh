# The prelude the scripted tests share. Source it, then call start_test "$@"
# with the test's arguments <velmorane> <asset-dir>. Sets bin, assets and
# work (a scratch folder removed on exit); stand-in sheets replace assets
# that have not been made yet. The game's config and data folders are in
# work too, so no test reads or writes the settings of the person running it.
scripts_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
common_sh="$scripts_dir/lib/common.sh"

fail() { echo "FAIL: $*"; exit 1; }

# need_tool TOOL...: fails the test, naming the tool, when one is missing
# (scripts/setup installs them all).
need_tool() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || fail "$tool is not installed (scripts/setup installs it)"
  done
}

# What the program keeps between runs (scores, recordings, settings,
# pictures) goes into DIR/home, never into the home of whoever runs the tests.
private_home() {
  export XDG_DATA_HOME="$1/home/data" XDG_CONFIG_HOME="$1/home/config" XDG_PICTURES_DIR="$1/home/pictures"
}

start_test() {
  bin="$1"
  assets="$2"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
  private_home "$work"
  if [[ ! -f "$assets/ChrImage.bmp" ]]; then
    assets="$work/assets"
    mkdir -p "$assets"
    python3 "$scripts_dir/make_sheets.py" "$assets"
  fi
}

# Settings for a window under the virtual X server; the argument is SDL's
# audio driver (dummy when none is given).
use_virtual_display() {
  export SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 SDL_AUDIODRIVER="${1:-dummy}"
}

# Runs a session script inside a virtual X server (screen VIRTUAL_SCREEN,
# 1280x1024x24 unless set); the script can source "$COMMON_SH" for the
# helpers below. The server picks a free display itself and says which, so
# tests running side by side never race for one; the session starts once a
# client has connected to it. With -noreset the server does not start over
# when that client leaves, which would refuse the game's own connection.
# A held key does not repeat for a minute: on a busy machine a short press
# could otherwise reach the game twice (two pauses, two speed steps).
# Fails naming the tool when one of theirs is missing.
run_in_virtual_display() {
  need_tool Xvfb xkbcomp xdotool import convert
  export COMMON_SH="$common_sh"
  local dir xvfb status=0
  dir="$(mktemp -d)"
  Xvfb -displayfd 3 -nolisten tcp -noreset -ardelay 60000 -screen 0 "${VIRTUAL_SCREEN:-1280x1024x24}" \
    3> "$dir/display" 2> "$dir/xvfb.log" &
  xvfb=$!
  # Ready means a client can connect: ask it for its screen.
  connects() { [[ -s "$dir/display" ]] && DISPLAY=":$(cat "$dir/display")" xdotool getdisplaygeometry >/dev/null 2>&1; }
  for _ in $(seq 1 100); do
    connects && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if ! connects; then
    kill "$xvfb" 2>/dev/null
    tail -5 "$dir/xvfb.log"
    rm -rf "$dir"
    fail "the virtual X server did not start"
  fi
  DISPLAY=":$(cat "$dir/display")" timeout 120 bash "$@" || status=$?
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null || true
  rm -rf "$dir"
  return "$status"
}

# wait_until SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second
# until it succeeds. When SECONDS have passed first, says on standard error
# that WHAT did not come, and returns 1. The tests wait with it for what they
# check, so a busy machine makes them slower, never wrong.
wait_until() {
  local deadline=$((SECONDS + $1)) what="$2"
  shift 2
  until "$@"; do
    if ((SECONDS >= deadline)); then
      echo "waited in vain for $what" >&2
      return 1
    fi
    sleep 0.1
  done
}

# has_line FILE LINE: FILE holds LINE (a regular expression for a whole line).
has_line() { [[ -f "$1" ]] && grep -qx -- "$2" "$1"; }

# wait_for_line FILE LINE: waits until FILE holds LINE (see has_line), as a
# program writes it (a recording, standard error, a settings file).
wait_for_line() { wait_until 60 "'$2' in $1" has_line "$1" "$2"; }

# Inside a session: prints the id of the game's window once it is there.
# wait_for_window PID [STDERR-FILE]: when no window comes, says so on
# standard error with the end of the program's own error output.
wait_for_window() {
  local pid="$1" errors="${2:-}" wid=""
  window_or_end() {
    wid="$(xdotool search --name '^VELMORANE$' 2>/dev/null | head -1 || true)"
    [[ -n "$wid" ]] || ! kill -0 "$pid" 2>/dev/null
  }
  wait_until 60 "the game's window" window_or_end || true
  if [[ -z "$wid" ]]; then
    echo "no window appeared" >&2
    [[ -n "$errors" && -s "$errors" ]] && tail -20 "$errors" >&2
    kill -9 "$pid" 2>/dev/null
    return 1
  fi
  echo "$wid"
}

# Inside a session: closes the window of the program PID (SIGTERM reaches it
# as a request to close the window) and writes its exit status into FILE.
close_window() {
  local pid="$1" file="$2"
  kill -TERM "$pid"
  wait "$pid"
  echo "$?" > "$file"
}

# Inside a session: waits until the first picture is on the screen (the grey
# side panel shows); leaves the window's geometry in $2 and the screen in $3.
wait_for_first_picture() {
  local wid="$1" geometry="$2" screen="$3"
  side_panel_shows() {
    xdotool getwindowgeometry --shell "$wid" > "$geometry"
    # shellcheck disable=SC1090
    source "$geometry"
    import -window root "$screen"
    convert "$screen" -crop "1x1+$((X + 700))+$((Y + 50))" +repage -depth 8 txt:- | grep -qi '#C0C0C0'
  }
  wait_until 60 "the first picture" side_panel_shows
}

# Inside a session: holds a key long enough for the game's slowest timer
# (100 ms) to see it. hold_key WINDOW KEY SECONDS
hold_key() {
  xdotool keydown --window "$1" "$2"
  sleep "$3"
  xdotool keyup --window "$1" "$2"
}

# Inside a session: a quick tap, far shorter than the game's ticks (one
# xdotool run, so that starting a second one does not lengthen it).
# tap_key WINDOW KEY
tap_key() {
  xdotool keydown --window "$1" "$2" sleep 0.02 keyup --window "$1" "$2"
}

# space_tap_jumped RECORDING: the recording's Space tap went down, a frame
# saw it, and only then did it come up; and that frame lifted the hero: the
# recording up to it, played headless, leaves the hero higher than the same
# without the tap.
space_tap_jumped() {
  local rec="$1" upto="$work/upto-tap.txt" untapped="$work/no-tap.txt"
  awk '$0 == "key down Space" { down = 1 } down && /^tick Timer1$/ { seen = 1 }
       $0 == "key up Space" { exit !seen }' "$rec" || fail "no frame saw the Space tap"
  awk '{ print } $0 == "key down Space" { down = 1 } down && /^tick Timer1$/ { exit }' "$rec" > "$upto"
  grep -vx 'key down Space' "$upto" > "$untapped"
  local with without
  with="$("$bin" --headless --replay "$upto" --assets "$assets" --dump-state | sed -n 's/^PlayerY //p')"
  without="$("$bin" --headless --replay "$untapped" --assets "$assets" --dump-state | sed -n 's/^PlayerY //p')"
  ((with < without)) || fail "the Space tap did not jump (PlayerY $with, without it $without)"
}

# tick_after_key RECORDING N KEY: after its first N lines, the recording has
# the game's KEY going down and then a timer tick.
tick_after_key() {
  awk -v n="$2" -v down="key down $3" \
    'NR > n && $0 == down { seen = 1 } seen && /^tick / { ticked = 1; exit } END { exit !ticked }' "$1"
}

# Inside a session: holds KEY at least SECONDS and until the game's recording
# shows a timer tick while the key was down (the game's name for the key is
# GAME-KEY), so that a game slowed down by a busy machine sees it all the same.
# hold_key_seen WINDOW KEY SECONDS RECORDING GAME-KEY
hold_key_seen() {
  local lines status=0
  lines="$(wc -l < "$4")"
  xdotool keydown --window "$1" "$2"
  sleep "$3"
  wait_until 60 "a timer tick with $5 down" tick_after_key "$4" "$lines" "$5" || status=1
  xdotool keyup --window "$1" "$2"
  return "$status"
}

# ticks_in RECORDING: how many timer ticks the recording holds.
ticks_in() { grep -c '^tick ' "$1" || true; }

# Inside a session: lets the game run COUNT more timer ticks, as its
# recording shows, however fast the machine is. wait_for_ticks RECORDING COUNT
wait_for_ticks() {
  local target=$(($(ticks_in "$1") + $2))
  ticked_enough() { (($(ticks_in "$1") >= $2)); }
  wait_until 60 "$2 more timer ticks in $1" ticked_enough "$1" "$target"
}

# Inside a session: lets SDL's disk audio driver write SECONDS more of sound
# (16-bit stereo at 44.1 kHz) into FILE. wait_for_sound FILE SECONDS
wait_for_sound() {
  local target=$(($(stat -c %s "$1" 2>/dev/null || echo 0) + $2 * 176400))
  written() { (($(stat -c %s "$1" 2>/dev/null || echo 0) >= $2)); }
  wait_until 60 "$2 s of sound in $1" written "$1" "$target"
}

# sound_heard FILE: the sound SDL's disk audio driver wrote into FILE has a
# loud sample (above 1000).
sound_heard() {
  python3 -c 'import array, sys; sys.exit(max(map(abs, array.array("h", open(sys.argv[1], "rb").read())), default=0) <= 1000)' \
    "$1" 2>/dev/null
}

# Replays RECORDING headless and fails unless it ends in the state WINDOW-DUMP
# holds (VirtualTime aside: wall-clock time in the window, game time
# headless). replays_to_window_state RECORDING WINDOW-DUMP
replays_to_window_state() {
  local rec="$1" dump="$2"
  "$bin" --headless --replay "$rec" --assets "$assets" --dump-state > "$work/headless-dump.txt" 2> "$work/headless-stderr.txt" ||
    { cat "$work/headless-stderr.txt"; fail "the headless replay of $rec failed"; }
  diff <(grep -v '^VirtualTime' "$dump") <(grep -v '^VirtualTime' "$work/headless-dump.txt") ||
    fail "the headless replay of $rec ends in another state than the window"
}
