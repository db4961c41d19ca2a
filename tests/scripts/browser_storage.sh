#!/usr/bin/env bash
# The browser keeps the settings and the records between visits, written by
# the game's own code in the desktop's formats. Three visits to the page in
# one Chromium profile:
#   1. chooses English, binds player 1's jump to X, sets the music's volume
#      and the player's name in the menus and dialogs; puts a table of the best ten there as
#      the desktop writes it; starts a game with Enter and jumps with X;
#   2. finds the menus in English, the settings file as the desktop writes it,
#      the table in the Game menu's dialog, the first visit's recording, and
#      only it, in the list of recordings, which holds the jump X gave; no
#      recording until Enter starts a game, which starts from the table's
#      best score;
#   3. watches that recording (?watch=NAME): it plays under its banner, and
#      while it does the page keeps no records of its own; Esc stops it, and
#      the game that follows is recorded;
#   4. opens the game a second time inside the page: only the first keeps
#      anything, and the second says so.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
source "$scripts_dir/lib/web_page.sh"
serve_web_page

profile="$work/profile"
mkdir -p "$profile"
# Runs the body (JavaScript, with `game`, `pause`, `item`, `key` and `read`
# at hand) once the page's game shows its first picture, and prints what it
# returns (JSON) or the error it threw.
visit() {
  local query="$1" body="$2"
  python3 "$root/scripts/lib/page_probe.py" --profile "$profile" "http://127.0.0.1:$port/index.html?$query" "
window.__t ??= ((async () => {
  const pause = (ms) => new Promise((done) => setTimeout(done, ms));
  try {
    while (!window.velmoraneGame || !document.getElementById('screen').dataset.firstPictureMs) await pause(50);
    const game = window.velmoraneGame;
    const item = (text) => {
      const found = [...document.querySelectorAll('#menus button, dialog button')].find((b) => b.textContent === text);
      if (!found) throw new Error('no button ' + text);
      return found;
    };
    const key = (type, code, target = window) => target.dispatchEvent(new KeyboardEvent(type, { code, bubbles: true }));
    const read = (path) => new TextDecoder().decode(game.module.FS.readFile(path));
    const result = await (async () => { $body })();
    window.__done = JSON.stringify(result);
  } catch (e) {
    window.__done = 'error: ' + e.message;
  }
})(), 1); window.__done || null" 60
}

home=/home/velmorane
table="velmorane-scores 1
# a table as the desktop writes it
12345	stage 4	2026-12-01 10:00	-	ANNA
800	ending	2026-12-02 11:30	-	BEN
"
first="$(visit "seed=5" "
  item('English').click();
  item('Keys').click();
  const row = [...document.querySelectorAll('dialog.keys-dialog tr')].find((r) => r.firstChild.textContent === 'Player 1 jump');
  row.querySelector('button').click();
  key('keydown', 'KeyX', document.querySelector('dialog.keys-dialog'));
  const keysMessage = document.querySelector('dialog.keys-dialog .message').textContent;
  item('OK').click();
  item('Sound (M)').click();
  const music = document.querySelector('dialog input[type=range]');
  music.value = 40;
  music.dispatchEvent(new Event('input'));
  item('OK').click();
  item('Player name').click();
  const name = document.querySelector('dialog input[type=text]');
  name.value = ' Ann ';
  name.closest('dialog').querySelector('button.ok').click();
  game.module.FS.writeFile('$home/.local/share/velmorane/scores.txt', \`$table\`);
  await pause(300);
  key('keydown', 'Enter'); await pause(300); key('keyup', 'Enter');
  await pause(3500);
  key('keydown', 'KeyX'); await pause(300); key('keyup', 'KeyX');
  await pause(300);
  await game.storage.save();
  return { keysMessage, recording: game.recordingPath() };
")"
echo "first visit: ${first:0:200}"
[[ "$first" == "{"* ]] || fail "the first visit went wrong: $first"
python3 - "$first" <<'PY' || fail "the first visit's settings did not take"
import json, sys
v = json.loads(sys.argv[1])
assert v["keysMessage"] == "", v
assert v["recording"].startswith("/home/velmorane/.local/share/velmorane/replays/"), v
PY
recording="$(python3 -c 'import json,sys; print(json.loads(sys.argv[1])["recording"].rsplit("/", 1)[1])' "$first")"

second="$(visit "seed=6" "
  const menus = document.getElementById('menus').textContent;
  const settings = read('$home/.config/velmorane/settings.ini');
  item('High scores').click();
  const scores = [...document.querySelectorAll('dialog.records-dialog tr')].map((r) => r.textContent);
  item('Close').click();
  item('Replays').click();
  const list = [...document.querySelectorAll('dialog.records-dialog')].pop();
  const replays = list.querySelectorAll('tr').length - 1;
  list.close();
  const first = read('$home/.local/share/velmorane/replays/$recording');
  const before = game.recordingPath();
  while (game.dialog) await pause(50);
  key('keydown', 'Enter'); await pause(300); key('keyup', 'Enter');
  while (game.recordingPath() === '') await pause(50);
  const mine = read(game.recordingPath()).split('\n').slice(0, 4).join('\n');
  return { menus, settings, scores, replays, first, before, mine };
")"
echo "second visit: ${second:0:200}"
[[ "$second" == "{"* ]] || fail "the second visit went wrong: $second"
python3 - "$second" <<'PY' || fail "the second visit did not find what the first kept"
import json, re, sys
v = json.loads(sys.argv[1])
assert "Restart stage (R)" in v["menus"], "the menus are not in English: " + v["menus"]
s = v["settings"]
for line in ("language = en", "music_volume = 40", "key_player1_jump = X", "player_name = Ann"):
    assert re.search("^" + re.escape(line) + "$", s, re.M), line + " not in the settings file:\n" + s
assert v["scores"][1].startswith("112345Stage 4ANNA"), v["scores"]
assert v["scores"][2].startswith("2800EndingBEN"), v["scores"]
assert v["replays"] == 1, v
assert v["before"] == "", v
assert re.search("^hiscore 12345$", v["mine"], re.M), "the game does not start from the best score:\n" + v["mine"]
assert re.search("^key down Enter$", v["first"], re.M), v["first"][:300]
assert re.search("^key down Space$", v["first"], re.M), "X did not jump:\n" + v["first"][:600]
PY

third="$(visit "watch=$recording" "
  await pause(500);
  const banner = document.getElementById('watch-banner');
  const watching = { records: game.records(), save: document.getElementById('save-recording').disabled,
    message: document.getElementById('message').hidden, banner: !banner.hidden && banner.textContent.startsWith('Watching a recording') };
  key('keydown', 'Escape'); key('keyup', 'Escape');
  while (!banner.hidden) await pause(50);
  key('keydown', 'Enter'); await pause(300); key('keyup', 'Enter');
  while (game.recordingPath() === '') await pause(50);
  return { ...watching, stopped: banner.hidden && location.search === '', recorded: /^key down Enter$/m.test(read(game.recordingPath())) };
")"
echo "third visit: $third"
[[ "$third" == '{"records":null,"save":true,"message":true,"banner":true,"stopped":true,"recorded":true}' ]] ||
  fail "watching a kept recording, then stopping it: $third"
python3 "$root/scripts/lib/page_probe.py" --profile "$profile" "http://127.0.0.1:$port/index.html?watch=..%2Fscores.txt" \
  "document.getElementById('message').hidden ? null : document.getElementById('message').textContent" 20 > "$work/bad"
# Said before the game starts, in the language the kept settings chose.
grep -q "The game could not start: watch: '../scores.txt' is not a recording this browser keeps" "$work/bad" ||
  fail "a name that is not a kept recording's: $(cat "$work/bad")"
fourth="$(visit "seed=7" "
  const inner = document.createElement('iframe');
  inner.src = location.href;
  document.body.appendChild(inner);
  let other = null;
  while (!(other = inner.contentWindow).velmoraneGame || !other.document.getElementById('screen').dataset.firstPictureMs) await pause(50);
  const note = other.document.getElementById('not-kept');
  return { first: game.storage.kept, second: other.velmoraneGame.storage.kept, note: note && note.textContent };
")"
echo "fourth visit: $fourth"
[[ "$fourth" == '{"first":true,"second":false,"note":"This tab keeps no settings or records (the game is open in another tab)"}' ]] ||
  fail "two pages at once: $fourth"
echo "the browser keeps the settings and the records between visits"
