#!/usr/bin/env bash
# The page's menus and the speed dialog from the keyboard alone, with real
# key presses (DevTools' own, through page_probe.py): F10 drops the Game
# menu down, the arrows go to the Config menu's speed item, Enter opens the
# dialog at the game's speed, the arrows move its slider and Enter closes it;
# F10 and Escape open and close the menus again. The game's speed is then the
# one the slider was left at.
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
start_test "$@"
source "$scripts_dir/lib/web_page.sh"
serve_web_page

result="$(python3 "$root/scripts/lib/page_probe.py" "http://127.0.0.1:$port/index.html?seed=5" "
window.__t ??= ((async () => {
  const pause = (ms) => new Promise((done) => setTimeout(done, ms));
  try {
    while (!window.velmoraneGame || !document.getElementById('screen').dataset.firstPictureMs) await pause(50);
    const game = window.velmoraneGame;
    const c = game.captions;
    const focused = () => document.activeElement.textContent;
    // Presses a key, then waits until done() says what it did has come.
    const press = async (name, what, done) => {
      (window.probeKeys ??= []).push(name);
      for (let waited = 0; !done(); waited += 25) {
        if (waited > 10000) throw new Error('after ' + name + ': no ' + what);
        await pause(25);
      }
    };
    await press('F10', 'Game menu', () => focused() === c.RestartMenu);
    await press('ArrowRight', 'Config menu', () => focused() === c.BrightnessMenu);
    await press('ArrowDown', 'speed item', () => focused() === c.SpeedMenu);
    await press('Enter', 'speed dialog', () => game.dialog !== null);
    const range = game.dialog.querySelector('input[type=range]');
    const opened = [range.value, game.dialog.querySelector('output').textContent];
    await press('ArrowRight', 'slider step', () => range.value === '51');
    await press('ArrowRight', 'slider step', () => range.value === '52');
    await press('Enter', 'closed dialog', () => game.dialog === null);
    await press('F10', 'Game menu', () => game.openMenu() !== null);
    await press('Escape', 'closed menus', () => game.openMenu() === null);
    const speed = game.call('velmorane_play_slider_position', 'number', ['number'], [game.shared.slider.speed]);
    window.__done = JSON.stringify({ opened, speed });
  } catch (e) {
    window.__done = 'error: ' + e.message;
  }
})(), 1); window.__done || null" 60)"
[[ "$result" == '{"opened":["50","50"],"speed":52}' ]] || fail "keyboard menus: $result"
echo "browser keyboard test passed"
