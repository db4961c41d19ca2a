// The game in the page: the picture on a canvas scaled by whole numbers, the
// keys as the player's settings bind them, the Game and Config menus as HTML
// sending the game's own menu and slider events, focus as the game's
// activation, and the page's loop on its millisecond clock. The menus speak
// the settings' language with the desktop's own captions.
"use strict";

const kClientWidth = 744;
const kClientHeight = 520;
const kMenu = { restart: 0, pause: 1, exit: 2 };
const kSlider = { speed: 0, brightness: 1 };
const kMenuScales = 4;  // the scales the Window menu offers besides fitting
const kEnglish = 1;
// How soon a change reaches the browser's storage: settings at once, the
// growing recording now and then (and whenever the page is left).
const kSettingsSaveDelayMs = 300;
const kRecordingSaveDelayMs = 5000;

// The page's own words, which the desktop has no use for.
const kPageCaptions = {
  ja: { save: "記録を保存", saveKept: "保存", soundHint: "クリックするかキーを押すと音が出ます",
    ended: "ゲームは終わりました。もう一度遊ぶにはページを読み込み直してください。",
    notKept: "このタブの設定と記録は残りません (別のタブで開いています)",
    refused: "このブラウザはこのページの設定と記録を残しません" },
  en: { save: "Save the recording", saveKept: "Save", soundHint: "Click or press a key for sound",
    ended: "The game has ended. Reload the page to play again.",
    notKept: "This tab keeps no settings or records (the game is open in another tab)",
    refused: "This browser keeps no settings or records for this page" },
};

class PageGame {
  constructor(module, storage) {
    this.module = module;
    this.storage = storage;
    this.canvas = document.getElementById("screen");
    this.context = this.canvas.getContext("2d");
    this.image = this.context.createImageData(kClientWidth, kClientHeight);
    this.timer = null;
    this.sound = new PageSound(module, () => this.tuneEnded());
    this.dialog = null;
    this.settings = null;
  }

  now() { return performance.now(); }

  call(name, returns, types, values) { return this.module.ccall(name, returns, types, values); }

  // how: { seed, stage, replayText, replayName, language (null, "ja" or "en") }
  start(how) {
    const seed = how.seed === null ? Math.floor(Date.now() % 86400000) : how.seed;
    const language = how.language === null ? -1 : how.language === "en" ? kEnglish : 0;
    const ok = this.call("velmorane_play_start", "number",
      ["number", "number", "string", "string", "number", "number"],
      [seed, how.stage, how.replayText || "", how.replayName || "", this.now(), language]);
    if (!ok) throw new Error(this.call("velmorane_play_trouble", "string", [], []));
    this.recording = this.recordingPath() !== "";
    document.getElementById("game").hidden = false;
    this.readSettings();
    window.addEventListener("resize", () => this.fit());
    window.addEventListener("keydown", (e) => this.key(e, true));
    window.addEventListener("keyup", (e) => this.key(e, false));
    window.addEventListener("focus", () => this.submit("velmorane_play_activate", [], []));
    window.addEventListener("pointerdown", () => this.sound.unlock());
    this.pads = new PagePads((name, types, values) => this.submit(name, types, values));
    this.sound.showHintUntilUnlocked(document.getElementById("sound-hint"));
    this.submit("velmorane_play_activate", [], []);
  }

  // Takes the settings again when the game says they changed: the menus'
  // language, the volumes, the picture's scale; and keeps them.
  readSettings() {
    const generation = this.call("velmorane_settings_generation", "number", [], []);
    if (this.settings && generation === this.settings.generation) return;
    const now = JSON.parse(this.call("velmorane_settings", "string", [], []));
    const languageChanged = !this.settings || now.language !== this.settings.language;
    this.settings = now;
    this.sound.setVolumes(now.musicVolume, now.effectsVolume, now.mute);
    if (languageChanged) {
      this.captions = JSON.parse(this.call("velmorane_captions", "string", ["number"], [now.language === "en" ? kEnglish : 0]));
      this.pageCaptions = kPageCaptions[now.language];
      document.documentElement.lang = now.language;
      document.getElementById("sound-hint").textContent = this.pageCaptions.soundHint;
      this.buildMenus();
    } else {
      this.markMenus();
    }
    this.fit();
    this.storage.soon(kSettingsSaveDelayMs);
  }

  // Sends a change to the settings; its answer, if it has one, goes back.
  changeSettings(name, types, values, returns = null) {
    const answer = this.call(name, returns, types, values);
    this.readSettings();
    return answer;
  }

  // The largest whole scale at which the picture fits under the menus, or
  // the settings' scale when that is smaller.
  fit() {
    const menus = document.getElementById("menus").offsetHeight;
    let scale = Math.max(1, Math.min(Math.floor(window.innerWidth / kClientWidth),
      Math.floor((window.innerHeight - menus) / kClientHeight)));
    if (this.settings.windowScale > 0) scale = Math.min(scale, this.settings.windowScale);
    this.canvas.style.width = `${kClientWidth * scale}px`;
    this.canvas.style.height = `${kClientHeight * scale}px`;
  }

  buildMenus() {
    const c = this.captions;
    const nav = document.getElementById("menus");
    nav.replaceChildren();
    this.checks = [];
    const menu = (caption, items) => {
      const box = element("details", { className: "menu" });
      box.appendChild(element("summary", {}, caption));
      const list = element("div", { className: "items" });
      for (const entry of items) {
        if (entry === null) {
          list.appendChild(element("hr"));
          continue;
        }
        const [label, action, checked, enabled = true] = entry;
        if (action === null) {
          list.appendChild(element("div", { className: "group" }, label));
          continue;
        }
        const item = element("button", { type: "button", disabled: !enabled }, label);
        if (checked) this.checks.push([item, checked]);
        item.addEventListener("click", () => { box.open = false; action(); });
        list.appendChild(item);
      }
      box.appendChild(list);
      // One menu open at a time, as in a menu bar.
      box.addEventListener("toggle", () => {
        if (box.open) for (const other of nav.querySelectorAll("details[open]")) if (other !== box) other.open = false;
      });
      return box;
    };
    const hasRecords = this.call("velmorane_keeps_records", "number", [], []) === 1;
    nav.appendChild(menu(c.GameMenu, [
      [c.RestartMenu, () => this.submit("velmorane_play_menu", ["number"], [kMenu.restart])],
      [c.PauseMenu, () => this.submit("velmorane_play_menu", ["number"], [kMenu.pause])],
      [c.ExitMenu, () => this.submit("velmorane_play_menu", ["number"], [kMenu.exit])],
      null,
      [c.ScoresMenu, () => openScoresDialog(this), null, hasRecords],
      [c.ReplaysMenu, () => openReplaysDialog(this), null, hasRecords],
    ]));
    const scales = [[c.FitScaleItem, () => this.changeSettings("velmorane_settings_window_scale", ["number"], [0]),
      () => this.settings.windowScale === 0]];
    for (let n = 1; n <= kMenuScales; ++n) {
      scales.push([filled(c.ScaleItem, { n }), () => this.changeSettings("velmorane_settings_window_scale", ["number"], [n]),
        () => this.settings.windowScale === n]);
    }
    nav.appendChild(menu(c.ConfigMenu, [
      [c.BrightnessMenu, () => openSliderDialog(this, "brightness")],
      [c.SpeedMenu, () => openSliderDialog(this, "speed")],
      [c.SoundMenu, () => openSoundDialog(this)],
      [c.KeysMenu, () => openKeysDialog(this)],
      null,
      [c.LanguageMenu, null],
      [c.JapaneseName, () => this.changeSettings("velmorane_settings_language", ["number"], [0]),
        () => this.settings.language === "ja"],
      [c.EnglishName, () => this.changeSettings("velmorane_settings_language", ["number"], [kEnglish]),
        () => this.settings.language === "en"],
      null,
      [c.WindowMenu, null],
      ...scales,
      [c.FullScreenItem, () => this.toggleFullScreen()],
    ]));
    const save = element("button", { type: "button", id: "save-recording", disabled: !this.recording },
      this.pageCaptions.save);
    save.addEventListener("click", () => this.saveRecording());
    nav.appendChild(save);
    if (!this.storage.kept) {
      const why = this.storage.refused ? this.pageCaptions.refused : this.pageCaptions.notKept;
      nav.insertBefore(element("span", { id: "not-kept" }, why), save);
    }
    this.markMenus();
  }

  // Ticks the items that name the settings as they are.
  markMenus() {
    for (const [item, checked] of this.checks) item.classList.toggle("checked", checked());
  }

  toggleFullScreen() {
    if (document.fullscreenElement) document.exitFullscreen();
    else document.documentElement.requestFullscreen();
  }

  dialogClosed() {
    this.dialog = null;
    this.submit("velmorane_play_activate", [], []);
  }

  // The records the page keeps, or null while a recording is watched.
  records() { return JSON.parse(this.call("velmorane_records", "string", [], [])); }

  recordingPath() { return this.call("velmorane_play_recording", "string", [], []); }

  key(event, down) {
    this.sound.unlock();
    if (this.dialog) return;
    if (event.code === "F11" && down) {
      event.preventDefault();
      this.toggleFullScreen();
      return;
    }
    const name = keyName(event);
    if (name === "") return;
    event.preventDefault();  // arrows and Space never scroll the page
    this.submit("velmorane_play_key", ["number", "number", "string"], [down ? 1 : 0, event.repeat ? 1 : 0, name]);
    this.readSettings();  // the mute key
  }

  tuneEnded() { this.submit("velmorane_play_tune_ended", [], []); }

  submit(name, types, values) {
    this.call(name, null, types, values);
    this.step();
  }

  step() {
    clearTimeout(this.timer);
    const wake = this.call("velmorane_play_step", "number", ["number"], [this.now()]);
    this.draw();
    this.readSettings();
    if (this.recording) this.storage.soon(kRecordingSaveDelayMs);
    if (this.call("velmorane_play_closed", "number", [], [])) {
      this.sound.stopTune();
      this.storage.save();
      const trouble = this.call("velmorane_play_trouble", "string", [], []);
      showMessage(trouble || this.pageCaptions.ended);
      return;
    }
    if (wake >= 0) this.timer = setTimeout(() => this.step(), Math.max(0, wake - this.now()));
  }

  draw() {
    const at = this.call("velmorane_play_picture", "number", [], []);
    this.image.data.set(this.module.HEAPU8.subarray(at, at + kClientWidth * kClientHeight * 4));
    this.context.putImageData(this.image, 0, 0);
    // When the first picture was shown after the page began to load, for
    // scripts/web-budgets.
    if (!this.canvas.dataset.firstPictureMs) this.canvas.dataset.firstPictureMs = Math.round(performance.now());
  }

  download(bytes, name) {
    const link = element("a", { href: URL.createObjectURL(new Blob([bytes], { type: "text/plain" })), download: name });
    link.click();
    URL.revokeObjectURL(link.href);
  }

  saveRecording() {
    const stamp = new Date().toISOString().replace(/[-:]/g, "").replace("T", "-").slice(0, 15);
    this.download(this.module.FS.readFile(this.recordingPath()), `velmorane-${stamp}.replay`);
  }

  saveKept(name) {
    this.download(this.module.FS.readFile(this.call("velmorane_kept_recording", "string", ["string"], [name])),
      `velmorane-${name}`);
  }

  // Opens the page again on a kept recording, once what this game wrote is
  // in the browser's storage.
  async watch(name) {
    await this.storage.save();
    const query = new URLSearchParams(window.location.search);
    for (const key of ["replay", "headless", "seed", "stage"]) query.delete(key);
    query.set("watch", name);
    window.location.search = query.toString();
  }
}

async function playInPage(module, storage, how) {
  const game = new PageGame(module, storage);
  // The page's game, for the browser's console and the tests.
  window.velmoraneGame = game;
  game.start(how);
  await game.sound.loadEffects();
  game.step();
}
