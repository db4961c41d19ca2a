#!/usr/bin/env bash
# A tap is never lost in the page either: a 20 ms tap of Enter on the title
# starts the game and a 20 ms tap of Space in play jumps, though both are far
# shorter than the game's ticks (100 ms on the title, 50 ms in play).
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
source "$scripts_dir/lib/web_page.sh"
serve_web_page

rec="$work/rec.txt"
python3 "$root/scripts/lib/page_probe.py" "http://127.0.0.1:$port/index.html?seed=1234" "
window.__t ??= ((async () => {
  const pause = (ms) => new Promise((done) => setTimeout(done, ms));
  try {
    while (!window.velmoraneGame || !document.getElementById('screen').dataset.firstPictureMs) await pause(50);
    const game = window.velmoraneGame;
    // The recording's file is made once a game begins.
    const recording = () => {
      const path = game.recordingPath();
      return path === '' ? '' : new TextDecoder().decode(game.module.FS.readFile(path));
    };
    const until = async (line) => { while (!recording().split('\n').includes(line)) await pause(20); };
    const tap = async (code) => {
      window.dispatchEvent(new KeyboardEvent('keydown', { code, bubbles: true }));
      await pause(20);
      window.dispatchEvent(new KeyboardEvent('keyup', { code, bubbles: true }));
    };
    await tap('Enter');
    await until('tick Timer1');
    while (recording().split('\n').filter((l) => l === 'tick Timer1').length < 10) await pause(20);
    await tap('Space');
    await until('key up Space');
    window.__done = recording();
  } catch (e) {
    window.__done = 'error: ' + e.message;
  }
})(), 1); window.__done || null" 60 > "$rec"
grep -qx 'velmorane-replay 1' "$rec" || fail "the page did not play: $(head -c 300 "$rec")"

space_tap_jumped "$rec"
echo "quick taps start the game and jump in the page"
