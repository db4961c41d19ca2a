// The game in the page: the picture on a canvas scaled by whole numbers, the
// keys as the player's settings bind them, the Game and Config menus as HTML
// sending the game's own menu and slider events, focus as the game's
// activation, and the page's loop on its millisecond clock. The menus speak
// the settings' language with the desktop's own captions and answer the
// keyboard as a menu bar does: F10 or Alt alone drops the first menu down,
// the arrows move, Enter chooses, Escape or a click elsewhere closes; the
// game waits while a menu is open and sees none of those keys. Every
// callback is guarded: an exception stops the game with a message naming
// what failed.
import { callGame } from "./calls.js";
import { openKeysDialog, openSliderDialog, openSoundDialog } from "./dialogs.js";
import { element, filled } from "./elements.js";
import { keyName } from "./keys.js";
import { openNameDialog } from "./name.js";
import { PagePads } from "./pads.js";
import { openReplaysDialog, openScoresDialog } from "./records.js";
import { PageSound } from "./sound.js";
import { guarded, showMessage, speakIn } from "./trouble.js";

// How soon a change reaches the browser's storage: settings at once, the
// growing recording now and then (and whenever the page is left).
const kSettingsSaveDelayMs = 300;
const kRecordingSaveDelayMs = 5000;
// How long a notice stays over the picture (page.css fades it out).
const kNoticeMs = 4000;

// The keys the menu bar answers to, by the browser's key values.
const kMenuBarKey = "F10";
const kAltKey = "Alt";
const kTabKey = "Tab";
const kEscapeKey = "Escape";
const kDropDownKey = "ArrowDown";
const kMenuKeys = { ArrowUp: -1, ArrowDown: 1 };
const kMenuBarMoves = { ArrowLeft: -1, ArrowRight: 1 };

// The page's own words, which the desktop has no use for.
const kPageCaptions = {
  ja: { save: "記録を保存", saveKept: "保存", soundHint: "クリックするかキーを押すと音が出ます",
    nameMenu: "プレイヤー名", nameLabel: "スコア表の名前",
    ended: "ゲームは終わりました。", playAgain: "もう一度遊ぶ",
    notKept: "このタブの設定と記録は残りません (別のタブで開いています)",
    refused: "このブラウザはこのページの設定と記録を残しません" },
  en: { save: "Save the recording", saveKept: "Save", soundHint: "Click or press a key for sound",
    nameMenu: "Player name", nameLabel: "Your name in the high scores",
    ended: "The game has ended.", playAgain: "Play again",
    notKept: "This tab keeps no settings or records (the game is open in another tab)",
    refused: "This browser keeps no settings or records for this page" },
};

// The keys that pause a recording being watched, skip ahead and stop it.
const kWatchKeys = { KeyP: "pause", ArrowRight: "skipAhead", Escape: "stop" };

class PageGame {
  constructor(module, storage, shared) {
    this.module = module;
    this.storage = storage;
    this.shared = shared;
    this.canvas = document.getElementById("screen");
    this.canvas.width = shared.clientWidth;
    this.canvas.height = shared.clientHeight;
    this.context = this.canvas.getContext("2d");
    this.image = this.context.createImageData(shared.clientWidth, shared.clientHeight);
    this.timer = null;
    this.stepper = guarded("the game's clock", () => this.step());
    this.sound = new PageSound(module, shared, () => this.tuneEnded());
    this.dialog = null;
    this.settings = null;
    this.altAlone = false;
    this.watching = "";
  }

  now() { return performance.now(); }

  call(name, returns, types, values) { return callGame(this.module, name, returns, types, values); }

  // how: { seed (null: the game takes the clock's), stage, replayText,
  // replayName, language (null, "ja" or "en") }
  start(how) {
    const language = this.shared.language[how.language ?? "unset"];
    const ok = this.call("velmorane_play_start", "number",
      ["number", "number", "number", "string", "string", "number", "number"],
      [how.seed === null ? 0 : 1, how.seed ?? 0, how.stage, how.replayText || "", how.replayName || "", this.now(),
        language]);
    if (!ok) throw new Error(this.call("velmorane_play_trouble", "string", [], []));
    this.recording = false;
    this.watching = this.call("velmorane_play_watching", "string", [], []);
    document.getElementById("game").hidden = false;
    this.readSettings();
    // The room left for the picture changes with the window and with a
    // message shown above the game.
    new ResizeObserver(guarded("fitting the picture", () => this.fit())).observe(document.getElementById("stage"));
    window.addEventListener("keydown", guarded("a key press", (e) => this.key(e, true)));
    window.addEventListener("keyup", guarded("a key release", (e) => this.key(e, false)));
    window.addEventListener("focus", guarded("the game's focus", () => this.submit("velmorane_play_activate", [], [])));
    window.addEventListener("pointerdown", guarded("the sound", () => this.sound.unlock()));
    // A click outside the menus closes them.
    document.addEventListener("pointerdown", guarded("the menus", (e) => {
      if (!document.getElementById("menus").contains(e.target)) this.closeMenus();
    }));
    this.pads = new PagePads(this.shared, (name, types, values) => this.submit(name, types, values));
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
      this.captions = JSON.parse(this.call("velmorane_captions", "string", ["number"], [this.shared.language[now.language]]));
      this.pageCaptions = kPageCaptions[now.language];
      document.documentElement.lang = now.language;
      speakIn(now.language);
      document.getElementById("sound-hint").textContent = this.pageCaptions.soundHint;
      this.buildMenus();
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
  // the settings' scale when that is smaller; scaled down below 1x when
  // even that does not fit.
  fit() {
    const { clientWidth, clientHeight } = this.shared;
    const stage = document.getElementById("stage");
    const room = Math.min(stage.clientWidth / clientWidth, stage.clientHeight / clientHeight);
    let scale = room >= 1 ? Math.floor(room) : room;
    if (this.settings.windowScale !== this.shared.fitScale) scale = Math.min(scale, this.settings.windowScale);
    this.shownScale = scale;
    this.canvas.style.width = `${Math.floor(clientWidth * scale)}px`;
    this.canvas.style.height = `${Math.floor(clientHeight * scale)}px`;
    if (this.checks) this.markMenus();
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
        item.addEventListener("click", guarded(label, () => { box.open = false; action(); }));
        list.appendChild(item);
      }
      box.appendChild(list);
      // One menu open at a time, as in a menu bar.
      box.addEventListener("toggle", guarded(caption, () => {
        if (box.open) for (const other of nav.querySelectorAll("details[open]")) if (other !== box) other.open = false;
        this.followDialogs();
      }));
      return box;
    };
    const hasRecords = this.call("velmorane_keeps_records", "number", [], []) === 1;
    // While a recording plays, what would change the game is greyed.
    const playing = this.watching === "";
    const command = (name) => () => this.submit("velmorane_play_menu", ["number"], [this.shared.menu[name]]);
    nav.appendChild(menu(c.GameMenu, [
      [c.RestartMenu, command("restart"), null, playing],
      [c.PauseMenu, command("pause"), null, playing],
      [c.ExitMenu, command("exit"), null, playing],
      null,
      [c.ScoresMenu, () => openScoresDialog(this), null, hasRecords],
      [c.ReplaysMenu, () => openReplaysDialog(this), null, hasRecords],
    ]));
    // A scale is ticked when it is the one chosen and the picture is shown
    // at it.
    const scale = (caption, n) => [caption, () => this.changeSettings("velmorane_settings_window_scale", ["number"], [n]),
      () => this.settings.windowScale === n && (n === this.shared.fitScale || this.shownScale === n)];
    const scales = [scale(c.FitScaleItem, this.shared.fitScale)];
    for (let n = 1; n <= this.shared.menuWindowScales; ++n) scales.push(scale(filled(c.ScaleItem, { n }), n));
    const language = (caption, name) => [caption,
      () => this.changeSettings("velmorane_settings_language", ["number"], [this.shared.language[name]]),
      () => this.settings.language === name];
    nav.appendChild(menu(c.ConfigMenu, [
      [c.BrightnessMenu, () => openSliderDialog(this, "brightness"), null, playing],
      [c.SpeedMenu, () => openSliderDialog(this, "speed"), null, playing],
      [c.SoundMenu, () => openSoundDialog(this)],
      [c.KeysMenu, () => openKeysDialog(this)],
      [this.pageCaptions.nameMenu, () => openNameDialog(this)],
      null,
      [c.LanguageMenu, null],
      language(c.JapaneseName, "ja"),
      language(c.EnglishName, "en"),
      null,
      [c.WindowMenu, null],
      ...scales,
      [c.FullScreenItem, () => this.toggleFullScreen()],
    ]));
    const save = element("button", { type: "button", id: "save-recording", disabled: !this.recording },
      this.pageCaptions.save);
    save.addEventListener("click", guarded(this.pageCaptions.save, () => this.saveRecording()));
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
    this.followDialogs();
  }

  // Tells the game whether a menu or a dialog that holds it still is open.
  followDialogs() {
    const open = this.openMenu() !== null || (this.dialog !== null && this.dialog.holdsGame);
    this.submit("velmorane_play_dialogs", ["number"], [open ? 1 : 0]);
  }

  menus() { return [...document.querySelectorAll("#menus details.menu")]; }

  openMenu() { return this.menus().find((m) => m.open) ?? null; }

  closeMenus() {
    for (const m of this.menus()) m.open = false;
    if (document.getElementById("menus").contains(document.activeElement)) document.activeElement.blur();
  }

  // Drops a menu down with the keyboard on its first item.
  dropDown(menu) {
    menu.open = true;
    menu.querySelector(".items button:not(:disabled)")?.focus();
  }

  // F10, Alt alone and, while a menu is open or the keyboard is in the menu
  // bar, the keys that move in it; true when the key was the menus'.
  menuKey(event, down) {
    const inMenus = document.getElementById("menus").contains(document.activeElement);
    const open = this.openMenu();
    if (event.key === kMenuBarKey || (event.key === kAltKey && !this.settings.keys.includes(keyName(event)))) {
      event.preventDefault();
      if (event.key === kAltKey && down) this.altAlone = !event.repeat;
      const toggle = event.key === kMenuBarKey ? down && !event.repeat : !down && this.altAlone;
      if (toggle && (open || inMenus)) this.closeMenus();
      else if (toggle) this.dropDown(this.menus()[0]);
      return true;
    }
    if (down) this.altAlone = false;
    // A key let go reaches the game, which may have seen it pressed.
    if ((!open && !inMenus) || !down) return false;
    if (event.key === kEscapeKey) {
      this.closeMenus();
    } else if (open && event.key in kMenuKeys) {
      event.preventDefault();
      const items = [...open.querySelectorAll(".items button:not(:disabled)")];
      const at = items.indexOf(document.activeElement);
      const step = kMenuKeys[event.key];
      const next = at < 0 ? (step > 0 ? 0 : items.length - 1) : (at + step + items.length) % items.length;
      items[next].focus();
    } else if (event.key in kMenuBarMoves) {
      event.preventDefault();
      const menus = this.menus();
      const at = menus.indexOf(open ?? document.activeElement.closest("details.menu"));
      this.dropDown(menus[(at + kMenuBarMoves[event.key] + menus.length) % menus.length]);
    } else if (!open && event.key === kDropDownKey) {
      event.preventDefault();
      const menu = document.activeElement.closest("details.menu");
      if (menu) this.dropDown(menu);
    }
    return true;
  }

  // The records the page keeps, or null while a recording is watched.
  records() { return JSON.parse(this.call("velmorane_records", "string", [], [])); }

  recordingPath() { return this.call("velmorane_play_recording", "string", [], []); }

  key(event, down) {
    this.sound.unlock();
    if (this.dialog) return;
    if (this.menuKey(event, down)) return;
    if (this.watching !== "" && event.code in kWatchKeys) {
      event.preventDefault();
      if (down && !event.repeat) {
        this.submit("velmorane_play_watch", ["number", "number"], [this.shared.watch[kWatchKeys[event.code]], this.now()]);
      }
      return;
    }
    if (event.code === "F11" && down) {
      event.preventDefault();
      this.toggleFullScreen();
      return;
    }
    const name = keyName(event);
    if (name === "") return;
    // Tab, unless the game has it, moves the keyboard to the menu bar.
    if (event.key === kTabKey && !this.settings.keys.includes(name)) return;
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
    this.lookForRecording();
    this.showWatching();
    this.showNotices();
    if (this.recording) this.storage.soon(kRecordingSaveDelayMs);
    if (this.call("velmorane_play_closed", "number", [], [])) {
      this.sound.stopTune();
      this.storage.save();
      const trouble = this.call("velmorane_play_trouble", "string", [], []);
      if (trouble) showMessage(trouble);
      else this.showEnded();
      return;
    }
    if (wake !== this.shared.noWake) this.timer = setTimeout(this.stepper, Math.max(0, wake - this.now()));
  }

  // The game's recording is made once a game begins; from then on it can be
  // saved.
  lookForRecording() {
    if (this.recording || this.recordingPath() === "") return;
    this.recording = true;
    document.getElementById("save-recording").disabled = false;
  }

  // The notices the game has for the player, each for a few seconds.
  showNotices() {
    const box = document.getElementById("notices");
    for (const line of JSON.parse(this.call("velmorane_notices", "string", [], []))) {
      const notice = element("div", {}, line);
      box.appendChild(notice);
      setTimeout(guarded("the notices", () => notice.remove()), kNoticeMs);
    }
  }

  // Over the picture as the game left it, a way to play again; the menus act
  // no more.
  showEnded() {
    const ended = document.getElementById("ended");
    const again = element("button", { type: "button" }, this.pageCaptions.playAgain);
    again.addEventListener("click", guarded(this.pageCaptions.playAgain, () => window.location.reload()));
    const box = element("p", {}, `${this.pageCaptions.ended} `);
    box.appendChild(again);
    ended.replaceChildren(box);
    ended.hidden = false;
    document.getElementById("sound-hint").hidden = true;
    document.getElementById("menus").inert = true;
  }

  // The banner over a recording being watched; when the watching ends, the
  // menus act again, and a stopped one leaves the address.
  showWatching() {
    const line = this.call("velmorane_play_watching", "string", [], []);
    const banner = document.getElementById("watch-banner");
    banner.hidden = line === "";
    if (line !== "") banner.textContent = `${line}\n${this.captions.WatchKeys}`;
    if ((line === "") === (this.watching === "")) {
      this.watching = line;
      return;
    }
    this.watching = line;
    this.recording = this.recordingPath() !== "";
    this.buildMenus();
    const query = new URLSearchParams(window.location.search);
    query.delete("replay");
    query.delete("watch");
    const rest = query.toString();
    window.history.replaceState(null, "", rest === "" ? window.location.pathname : `?${rest}`);
  }

  draw() {
    const at = this.call("velmorane_play_picture", "number", [], []);
    this.image.data.set(this.module.HEAPU8.subarray(at, at + this.image.data.length));
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

  // Under the name the page keeps it by, as the Replays list saves it.
  saveRecording() {
    const path = this.recordingPath();
    this.saveKept(path.slice(path.lastIndexOf("/") + 1));
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

export async function playInPage(module, storage, shared, how) {
  const game = new PageGame(module, storage, shared);
  // The page's game, for the browser's console and the tests.
  window.velmoraneGame = game;
  game.start(how);
  await game.sound.loadEffects();
  game.step();
}
