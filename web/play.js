// The game in the page: the picture on a canvas scaled by whole numbers, the
// keys, the Game and Config menus and the two settings dialogs as HTML
// controls sending the game's own menu and slider events, focus as the
// game's activation, the recording's save button, and the page's loop on
// its millisecond clock.
"use strict";

const kClientWidth = 744;
const kClientHeight = 520;
const kMenu = { restart: 0, pause: 1, exit: 2 };
const kSlider = { speed: 0, brightness: 1 };
const kSliderRange = { [kSlider.speed]: 300, [kSlider.brightness]: 200 };

// The desktop's captions, exactly as they are shown there.
const kCaptions = {
  game: "Game", restart: "やり直し(R)", pause: "ポーズ(P)", exit: "終了",
  config: "Config", brightness: "2人用モードの画面の明るさ(Q,W)", speed: "スピード調節(A,S)",
  dialog: "ﾀﾞｲｱﾛｸﾞ", ok: "OK", save: "Save the recording", fullScreen: "Full screen",
  soundHint: "Click or press a key for sound", ended: "The game has ended. Reload the page to play again.",
};

// Virtual-key codes of the keys the game knows: Enter, Space, the arrows and
// the letters; any other key is left to the browser.
function virtualKey(event) {
  const named = { Enter: 13, NumpadEnter: 13, Space: 32, ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40 };
  if (event.code in named) return named[event.code];
  const letter = /^Key([A-Z])$/.exec(event.code);
  return letter ? letter[1].charCodeAt(0) : 0;
}

function element(tag, attributes, text) {
  const e = document.createElement(tag);
  Object.assign(e, attributes);
  if (text !== undefined) e.textContent = text;
  return e;
}

class PageGame {
  constructor(module) {
    this.module = module;
    this.canvas = document.getElementById("screen");
    this.context = this.canvas.getContext("2d");
    this.image = this.context.createImageData(kClientWidth, kClientHeight);
    this.timer = null;
    this.sound = new PageSound(module, () => this.tuneEnded());
    this.dialog = null;
  }

  now() { return performance.now(); }

  start(options, replayText, replayName) {
    const seed = options.seed === null ? Math.floor(Date.now() % 86400000) : options.seed;
    const ok = this.module.ccall("velmorane_play_start", "number", ["number", "number", "string", "string", "number"],
      [seed, options.stage, replayText || "", replayName || "", this.now()]);
    if (!ok) throw new Error(this.module.ccall("velmorane_play_trouble", "string", [], []));
    // A recording being watched leaves none of its own to save.
    this.watching = Boolean(replayText);
    this.buildMenus();
    document.getElementById("game").hidden = false;
    this.fit();
    window.addEventListener("resize", () => this.fit());
    window.addEventListener("keydown", (e) => this.key(e, true));
    window.addEventListener("keyup", (e) => this.key(e, false));
    window.addEventListener("focus", () => this.submit("velmorane_play_activate", [], []));
    window.addEventListener("pointerdown", () => this.sound.unlock());
    this.pads = new PagePads((name, types, values) => this.submit(name, types, values));
    this.sound.showHintUntilUnlocked(document.getElementById("sound-hint"));
    this.submit("velmorane_play_activate", [], []);
  }

  // The largest whole scale at which the picture fits under the menus.
  fit() {
    const menus = document.getElementById("menus").offsetHeight;
    const scale = Math.max(1, Math.min(Math.floor(window.innerWidth / kClientWidth),
      Math.floor((window.innerHeight - menus) / kClientHeight)));
    this.canvas.style.width = `${kClientWidth * scale}px`;
    this.canvas.style.height = `${kClientHeight * scale}px`;
  }

  buildMenus() {
    const nav = document.getElementById("menus");
    const menu = (caption, items) => {
      const box = element("details", { className: "menu" });
      box.appendChild(element("summary", {}, caption));
      const list = element("div", { className: "items" });
      for (const [label, action] of items) {
        const item = element("button", { type: "button" }, label);
        item.addEventListener("click", () => { box.open = false; action(); });
        list.appendChild(item);
      }
      box.appendChild(list);
      return box;
    };
    nav.appendChild(menu(kCaptions.game, [
      [kCaptions.restart, () => this.submit("velmorane_play_menu", ["number"], [kMenu.restart])],
      [kCaptions.pause, () => this.submit("velmorane_play_menu", ["number"], [kMenu.pause])],
      [kCaptions.exit, () => this.submit("velmorane_play_menu", ["number"], [kMenu.exit])],
    ]));
    nav.appendChild(menu(kCaptions.config, [
      [kCaptions.brightness, () => this.openDialog(kSlider.brightness)],
      [kCaptions.speed, () => this.openDialog(kSlider.speed)],
    ]));
    const save = element("button", { type: "button", id: "save-recording", disabled: this.watching }, kCaptions.save);
    save.addEventListener("click", () => this.saveRecording());
    nav.appendChild(save);
    const full = element("button", { type: "button" }, kCaptions.fullScreen);
    full.addEventListener("click", () => document.documentElement.requestFullscreen());
    nav.appendChild(full);
    nav.appendChild(element("span", { id: "sound-hint" }, kCaptions.soundHint));
  }

  // A settings dialog: one slider sending the game's slider events while it
  // moves, and OK. It opens at the dialog's own last position and label.
  openDialog(slider) {
    const box = element("dialog", { className: "settings" });
    box.appendChild(element("header", {}, kCaptions.dialog));
    const label = element("output", {},
      this.module.ccall("velmorane_play_slider_label", "string", ["number"], [slider]));
    const range = element("input", { type: "range", min: 0, max: kSliderRange[slider], step: 1,
      value: this.module.ccall("velmorane_play_slider_position", "number", ["number"], [slider]) });
    range.addEventListener("input", () => {
      label.textContent = range.value;
      this.submit("velmorane_play_slider", ["number", "number"], [slider, Number(range.value)]);
    });
    const ok = element("button", { type: "button" }, kCaptions.ok);
    ok.addEventListener("click", () => box.close());
    box.addEventListener("close", () => {
      box.remove();
      this.dialog = null;
      this.submit("velmorane_play_activate", [], []);
    });
    box.append(label, range, ok);
    document.body.appendChild(box);
    this.dialog = box;
    box.showModal();
    range.focus();
  }

  key(event, down) {
    this.sound.unlock();
    if (this.dialog) return;
    const code = virtualKey(event);
    if (code === 0) return;
    event.preventDefault();  // arrows and Space never scroll the page
    this.submit("velmorane_play_key", ["number", "number"], [down ? 1 : 0, code]);
  }

  tuneEnded() { this.submit("velmorane_play_tune_ended", [], []); }

  submit(name, types, values) {
    this.module.ccall(name, null, types, values);
    this.step();
  }

  step() {
    clearTimeout(this.timer);
    const wake = this.module.ccall("velmorane_play_step", "number", ["number"], [this.now()]);
    this.draw();
    if (this.module.ccall("velmorane_play_closed", "number", [], [])) {
      this.sound.stopTune();
      const trouble = this.module.ccall("velmorane_play_trouble", "string", [], []);
      showMessage(trouble || kCaptions.ended);
      return;
    }
    if (wake >= 0) this.timer = setTimeout(() => this.step(), Math.max(0, wake - this.now()));
  }

  draw() {
    const at = this.module.ccall("velmorane_play_picture", "number", [], []);
    this.image.data.set(this.module.HEAPU8.subarray(at, at + kClientWidth * kClientHeight * 4));
    this.context.putImageData(this.image, 0, 0);
    // When the first picture was shown after the page began to load, for
    // scripts/web-budgets.
    if (!this.canvas.dataset.firstPictureMs) this.canvas.dataset.firstPictureMs = Math.round(performance.now());
  }

  saveRecording() {
    const bytes = this.module.FS.readFile("/recording.replay");
    const stamp = new Date().toISOString().replace(/[-:]/g, "").replace("T", "-").slice(0, 15);
    const link = element("a", { href: URL.createObjectURL(new Blob([bytes], { type: "text/plain" })),
      download: `velmorane-${stamp}.replay` });
    link.click();
    URL.revokeObjectURL(link.href);
  }
}

async function playInPage(module, options, replayText, replayName) {
  const game = new PageGame(module);
  game.start(options, replayText, replayName);
  await game.sound.loadEffects();
  game.step();
}
