#!/usr/bin/env bash
# The browser version plays recordings exactly as the desktop program does:
# builds it (scripts/web, without the tunes), serves it on 127.0.0.1 and has
# headless Chromium play recordings with index.html?replay=URL&headless=1;
# the state dump and the picture's hash written into the page must equal
# what `velmorane --headless --dump-state --picture-hash` prints. Then a
# recording that cannot be fetched must show a message naming it. Last, a
# game played in the page with key presses: the recording its save button
# gives must replay on the desktop to the very picture the page showed.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
source "$scripts_dir/lib/web_page.sh"
serve_web_page

mkdir -p "$site/recordings"
games="$scripts_dir/../golden/games"
# name, recording, the page's query for the desktop's options
recordings=(
  "one-player:$scripts_dir/../replays/walk_and_jump.replay:"
  "restarts:$scripts_dir/../replays/restarts_and_continue.replay:"
  "two-player:$scripts_dir/../replays/duo_race.replay:"
  "two-player-golden:$games/082.replay:"
  "stage-start:$games/008.replay:&stage=$(sed -n 's/^# options: --stage //p' "$games/008.replay")"
  "long:$games/081.replay:"
)

# The page's DOM once the replay has run; virtual time lets Chromium run the
# page as fast as it can, up to the budget.
page() {
  chromium --headless --no-sandbox --disable-gpu --user-data-dir="$work/chromium" \
    --virtual-time-budget=600000 --dump-dom "http://127.0.0.1:$port/index.html?$1" 2> "$work/chromium.log"
}

# The text of <pre id="ID"> in the DOM on standard input.
pre_text() {
  python3 -c '
import html, re, sys
m = re.search(r"<pre id=\"" + sys.argv[1] + r"\">(.*?)</pre>", sys.stdin.read(), re.S)
sys.stdout.write(html.unescape(m.group(1)) if m else "(none)\n")' "$1"
}

for entry in "${recordings[@]}"; do
  IFS=: read -r name replay query <<< "$entry"
  cp "$replay" "$site/recordings/$name.replay"
  options="$(sed -n 's/^# options: //p' "$replay")"
  # shellcheck disable=SC2086
  "$bin" --headless --assets "$assets" --replay "$replay" --dump-state --picture-hash $options > "$work/$name.desktop" ||
    fail "$name: the desktop program did not run it"
  sed '$d' "$work/$name.desktop" > "$work/$name.desktop-dump"
  sed -n '$s/^picture //p' "$work/$name.desktop" > "$work/$name.desktop-hash"
  page "replay=recordings/$name.replay&headless=1$query" > "$work/$name.dom" || fail "$name: chromium failed"
  pre_text state-dump < "$work/$name.dom" > "$work/$name.page-dump"
  pre_text picture-hash < "$work/$name.dom" > "$work/$name.page-hash"
  diff "$work/$name.desktop-dump" "$work/$name.page-dump" > "$work/$name.diff" ||
    fail "$name: the page's state differs: $(head -8 "$work/$name.diff") $(grep -o 'id="message"[^<]*' "$work/$name.dom")"
  diff "$work/$name.desktop-hash" <(cat "$work/$name.page-hash"; echo) > /dev/null ||
    fail "$name: the page's picture hash $(cat "$work/$name.page-hash") is not the desktop's $(cat "$work/$name.desktop-hash")"
  echo "$name: as on the desktop"
done

page "replay=recordings/missing.replay&headless=1" > "$work/missing.dom"
grep -q 'id="message".*recordings/missing.replay: cannot be fetched' "$work/missing.dom" ||
  fail "a missing recording shows no message naming it"
printf 'velmorane-replay 1\nseed 3\nkey down Nowhere\n' > "$site/recordings/bad.replay"
page "replay=recordings/bad.replay&headless=1" > "$work/bad.dom"
grep -q 'id="message".*recordings/bad.replay:3:' "$work/bad.dom" || fail "a malformed recording shows no message naming its line"
# Plays: Enter held on the title, then right and a jump in stage 1; then,
# in one turn of the page's script, takes the canvas's pixels and presses
# the save button, whose file is caught on its way to the download.
play_script="window.__t ??= ((async () => {
  const pause = (ms) => new Promise((done) => setTimeout(done, ms));
  const key = (type, code) => dispatchEvent(new KeyboardEvent(type, { code }));
  await pause(1500); key('keydown', 'Enter'); await pause(400); key('keyup', 'Enter');
  await pause(3500); key('keydown', 'ArrowRight'); await pause(1500); key('keyup', 'ArrowRight');
  key('keydown', 'Space'); await pause(600);
  let saved = null;
  const make = URL.createObjectURL;
  URL.createObjectURL = (blob) => { saved = blob; return make.call(URL, blob); };
  const pixels = document.getElementById('screen').getContext('2d').getImageData(0, 0, 744, 520).data;
  document.getElementById('save-recording').click();
  const rgb = new Uint8Array(744 * 520 * 3);
  for (let i = 0, j = 0; i < pixels.length; i += 4) { rgb[j++] = pixels[i]; rgb[j++] = pixels[i + 1]; rgb[j++] = pixels[i + 2]; }
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', rgb));
  window.__played = JSON.stringify({ hash: [...digest].map((b) => b.toString(16).padStart(2, '0')).join(''),
                                     recording: await saved.text() });
})(), 1); window.__played || null"
python3 "$root/scripts/lib/page_probe.py" "http://127.0.0.1:$port/index.html?seed=5" "$play_script" 60 > "$work/played.json"
python3 -c '
import json, sys
played = json.load(open(sys.argv[1]))
open(sys.argv[2], "w").write(played["recording"])
open(sys.argv[3], "w").write(played["hash"] + "\n")' "$work/played.json" "$work/played.replay" "$work/played.hash" ||
  fail "the played page gave no recording: $(head -c 300 "$work/played.json")"
grep -q '^key down Enter$' "$work/played.replay" || fail "the page's recording holds no Enter: $(head -5 "$work/played.replay")"
"$bin" --headless --assets "$assets" --replay "$work/played.replay" --picture-hash > "$work/played.desktop" ||
  fail "the desktop cannot replay the page's recording"
[[ "$(sed 's/^picture //' "$work/played.desktop")" == "$(cat "$work/played.hash")" ]] ||
  fail "the page's recording replays on the desktop to another picture than the page showed"
echo "a game played in the page: its recording replays on the desktop to the page's picture"
echo "browser replays as on the desktop"
