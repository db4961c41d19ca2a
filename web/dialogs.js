// The Config menu's dialogs as HTML: the speed and brightness sliders, which
// send the game's own slider events, and the sound and keys settings, which
// the game keeps as the desktop does. Each is modal; closing it gives the
// game its focus back.
"use strict";

const kSliderRange = { speed: 300, brightness: 200 };
const kEscapeKey = "Escape";
// What binding a key gives back, besides the number of the action holding it.
const kKeyBound = -1;
const kKeyUnusable = -2;

// A modal dialog with its caption and a button below the parts that closes
// it (OK unless said).
function openModal(game, caption, parts, className = "settings", closeCaption = game.captions.OKButton) {
  const box = element("dialog", { className });
  box.appendChild(element("header", {}, caption));
  const ok = element("button", { type: "button", className: "ok" }, closeCaption);
  ok.addEventListener("click", () => box.close());
  box.append(...parts, ok);
  box.addEventListener("close", () => {
    box.remove();
    game.dialogClosed();
  });
  document.body.appendChild(box);
  game.dialog = box;
  box.showModal();
  return box;
}

// One slider sending the game's slider events while it moves. It opens at
// the dialog's own last position and label.
function openSliderDialog(game, slider) {
  const id = kSlider[slider];
  const label = element("output", {}, game.call("velmorane_play_slider_label", "string", ["number"], [id]));
  const range = element("input", { type: "range", min: 0, max: kSliderRange[slider], step: 1,
    value: game.call("velmorane_play_slider_position", "number", ["number"], [id]) });
  range.addEventListener("input", () => {
    label.textContent = range.value;
    game.submit("velmorane_play_slider", ["number", "number"], [id, Number(range.value)]);
  });
  const caption = slider === "speed" ? game.captions.SpeedDialog : game.captions.BrightnessDialog;
  openModal(game, caption, [label, range]);
  range.focus();
}

function openSoundDialog(game) {
  const now = game.settings;
  const slider = (caption, value) => {
    const range = element("input", { type: "range", min: 0, max: 100, step: 1, value });
    const shown = element("output", {}, String(value));
    range.addEventListener("input", () => { shown.textContent = range.value; send(); });
    const row = element("label", { className: "row" });
    row.append(element("span", {}, caption), range, shown);
    return { row, range };
  };
  const music = slider(game.captions.MusicVolume, now.musicVolume);
  const effects = slider(game.captions.EffectsVolume, now.effectsVolume);
  const mute = element("input", { type: "checkbox", checked: now.mute });
  const muteRow = element("label", { className: "row" });
  muteRow.append(mute, element("span", {}, game.captions.MuteBox));
  const send = () => game.changeSettings("velmorane_settings_sound", ["number", "number", "number"],
    [Number(music.range.value), Number(effects.range.value), mute.checked ? 1 : 0]);
  mute.addEventListener("change", send);
  openModal(game, game.captions.SoundDialog, [music.row, effects.row, muteRow]);
}

// Every action with its key; a click on a key waits for the new one (Escape
// gives up), which the game binds unless another action has it.
function openKeysDialog(game) {
  const message = element("p", { className: "message" }, "");
  const table = element("table", { className: "keys" });
  let waiting = null;
  const fill = () => {
    table.replaceChildren();
    game.captions.Actions.forEach((action, i) => {
      const key = element("button", { type: "button" }, game.settings.keys[i]);
      key.addEventListener("click", () => {
        waiting = i;
        message.textContent = filled(game.captions.PressNewKey, { action });
      });
      const row = element("tr");
      row.append(element("td", {}, action), element("td"));
      row.lastChild.appendChild(key);
      table.appendChild(row);
    });
  };
  const defaults = element("button", { type: "button" }, game.captions.DefaultKeysButton);
  defaults.addEventListener("click", () => {
    waiting = null;
    message.textContent = "";
    game.changeSettings("velmorane_settings_default_keys", [], []);
    fill();
  });
  const box = openModal(game, game.captions.KeysDialog, [table, message, defaults], "settings keys-dialog");
  box.addEventListener("cancel", (e) => {
    if (waiting === null) return;
    e.preventDefault();
    waiting = null;
    message.textContent = "";
  });
  box.addEventListener("keydown", (e) => {
    if (waiting === null || e.key === kEscapeKey) return;
    e.preventDefault();
    const name = keyName(e);
    const action = waiting;
    waiting = null;
    const bound = game.changeSettings("velmorane_settings_bind_key", ["number", "string"], [action, name], "number");
    if (bound === kKeyBound) message.textContent = "";
    else if (bound === kKeyUnusable) message.textContent = game.captions.KeyUnusable;
    else message.textContent = filled(game.captions.KeyInUse, { key: name, action: game.captions.Actions[bound] });
    fill();
  });
  fill();
}
