#!/usr/bin/env bash
# The page's picture fits any browser window: at 640 x 480 (smaller than the
# picture), 1280 x 800 and 1920 x 1080 the whole picture is in the window
# below the menus, at a whole scale when one fits and scaled down when none
# does, also with a message shown above the game. A scale chosen in the
# Window menu that the window cannot show is not ticked.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
source "$scripts_dir/lib/web_page.sh"
serve_web_page

# Where the picture lies in the window, as JSON: its box, the window's size,
# the menus' bottom and the scale items that are ticked.
measure="
    const box = document.getElementById('screen').getBoundingClientRect();
    const menus = document.getElementById('menus').getBoundingClientRect();
    const ticked = [...document.querySelectorAll('#menus button.checked')].map((b) => b.textContent);
    return { left: box.left, top: box.top, right: box.right, bottom: box.bottom, width: box.width,
             menus: menus.bottom, windowWidth: innerWidth, windowHeight: innerHeight, ticked };"

for size in 640x480 1280x800 1920x1080; do
  result="$(python3 "$root/scripts/lib/page_probe.py" --window-size "$size" "http://127.0.0.1:$port/index.html?seed=5&lang=en" "
window.__t ??= ((async () => {
  const pause = (ms) => new Promise((done) => setTimeout(done, ms));
  const frame = () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
  const measure = () => { $measure };
  try {
    while (!window.velmoraneGame || !document.getElementById('screen').dataset.firstPictureMs) await pause(50);
    await frame();
    const plain = measure();
    const message = document.getElementById('message');
    message.textContent = 'A message above the game, long enough to take a line or two of the window.';
    message.hidden = false;
    await frame();
    const withMessage = measure();
    message.hidden = true;
    const three = [...document.querySelectorAll('#menus button')].find((b) => b.textContent === '3x');
    three.click();
    await frame();
    const chosenThree = measure();
    window.__done = JSON.stringify({ plain, withMessage, chosenThree });
  } catch (e) {
    window.__done = 'error: ' + e.message;
  }
})(), 1); window.__done || null" 60)"
  echo "$size: ${result:0:300}"
  python3 - "$size" "$result" <<'PY' || fail "the picture does not fit a $size window"
import json, sys
width, height = map(int, sys.argv[1].split("x"))
v = json.loads(sys.argv[2])
for name in ("plain", "withMessage", "chosenThree"):
    m = v[name]
    assert (m["windowWidth"], m["windowHeight"]) == (width, height), (name, m)
    assert m["left"] >= 0 and m["right"] <= width, ("cut off at the sides", name, m)
    assert m["top"] >= m["menus"] and m["bottom"] <= height, ("cut off above or below", name, m)
    scale = m["width"] / 744
    assert scale >= 1 and scale == int(scale) or scale < 1 and width < 744, ("scale", name, m)
three = v["chosenThree"]
assert ("3x" in three["ticked"]) == (three["width"] == 3 * 744), ("3x ticked though not shown", three)
PY
done
echo "the page's picture fits every window"
