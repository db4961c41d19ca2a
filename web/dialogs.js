// The Config menu's dialogs as HTML: the speed and brightness sliders, which
// send the game's own slider events, and the sound and keys settings, which
// the game keeps as the desktop does. Each is modal; Escape closes it, and
// closing it gives the game its focus back. The game waits under every
// dialog but the two sliders'.
import { element, filled } from "./elements.js";
import { keyName } from "./keys.js";
import { guarded } from "./trouble.js";

const kEscapeKey = "Escape";
const kEnterKey = "Enter";

// A modal dialog with its caption and a button below the parts that closes
// it (OK unless said). The game waits while it is open, unless it runs on
// under it.
export function openModal(game, caption, parts, className = "settings", closeCaption = game.captions.OKButton,
  runsOn = false) {
  const box = element("dialog", { className });
  box.holdsGame = !runsOn;
  box.appendChild(element("header", {}, caption));
  const ok = element("button", { type: "button", className: "ok" }, closeCaption);
  ok.addEventListener("click", guarded("the dialog", () => box.close()));
  box.append(...parts, ok);
  box.addEventListener("close", guarded("the dialog", () => {
    box.remove();
    game.dialogClosed();
  }));
  document.body.appendChild(box);
  game.dialog = box;
  box.showModal();
  game.followDialogs();
  return box;
}

// One slider ("speed" or "brightness") sending the game's slider events
// while it moves; Enter closes it. It opens at the game's value, or with
// classic dialogs where it was last left.
export function openSliderDialog(game, slider) {
  const id = game.shared.slider[slider];
  const label = element("output", {}, game.call("velmorane_play_slider_label", "string", ["number"], [id]));
  const range = element("input", { type: "range", min: 0, max: game.shared.sliderMax[slider], step: 1,
    value: game.call("velmorane_play_slider_position", "number", ["number"], [id]) });
  range.addEventListener("input", guarded("the slider", () => {
    label.textContent = range.value;
    game.submit("velmorane_play_slider", ["number", "number"], [id, Number(range.value)]);
  }));
  const caption = slider === "speed" ? game.captions.SpeedDialog : game.captions.BrightnessDialog;
  const box = openModal(game, caption, [label, range], "settings", game.captions.OKButton, true);
  box.addEventListener("keydown", guarded("the slider", (e) => {
    if (e.key !== kEnterKey) return;
    e.preventDefault();
    box.close();
  }));
  range.focus();
}

export function openSoundDialog(game) {
  const now = game.settings;
  const slider = (caption, value) => {
    const range = element("input", { type: "range", min: 0, max: game.shared.maxVolume, step: 1, value });
    const shown = element("output", {}, String(value));
    range.addEventListener("input", guarded("the sound settings", () => { shown.textContent = range.value; send(); }));
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
  mute.addEventListener("change", guarded("the sound settings", send));
  openModal(game, game.captions.SoundDialog, [music.row, effects.row, muteRow]);
}

// Every action with its key; a click on a key waits for the new one (Escape
// gives up), which the game binds unless another action has it.
export function openKeysDialog(game) {
  const message = element("p", { className: "message" }, "");
  const table = element("table", { className: "keys" });
  let waiting = null;
  const fill = () => {
    table.replaceChildren();
    game.captions.Actions.forEach((action, i) => {
      const key = element("button", { type: "button" }, game.settings.keys[i]);
      key.addEventListener("click", guarded("the keys settings", () => {
        ask(false);
        waiting = i;
        message.textContent = filled(game.captions.PressNewKey, { action });
      }));
      const row = element("tr");
      row.append(element("td", {}, action), element("td"));
      row.lastChild.appendChild(key);
      table.appendChild(row);
    });
  };
  // Every key goes back to its default only once the player says yes.
  const defaults = element("div", { className: "defaults" });
  const askDefaults = element("button", { type: "button" }, game.captions.DefaultKeysButton);
  const yes = element("button", { type: "button" }, game.captions.YesButton);
  const no = element("button", { type: "button" }, game.captions.NoButton);
  const ask = (asking) => {
    message.textContent = asking ? game.captions.DefaultKeysQuestion : "";
    defaults.replaceChildren(...(asking ? [yes, no] : [askDefaults]));
  };
  askDefaults.addEventListener("click", guarded("the keys settings", () => {
    waiting = null;
    ask(true);
    no.focus();
  }));
  yes.addEventListener("click", guarded("the keys settings", () => {
    game.changeSettings("velmorane_settings_default_keys", [], []);
    fill();
    ask(false);
    askDefaults.focus();
  }));
  no.addEventListener("click", guarded("the keys settings", () => {
    ask(false);
    askDefaults.focus();
  }));
  ask(false);
  fill();
  const box = openModal(game, game.captions.KeysDialog, [table, message, defaults], "settings keys-dialog");
  // The keyboard starts on the first action's key.
  table.querySelector("button").focus();
  box.addEventListener("cancel", (e) => {
    if (waiting === null) return;
    e.preventDefault();
    waiting = null;
    message.textContent = "";
  });
  box.addEventListener("keydown", guarded("the keys settings", (e) => {
    if (waiting === null || e.key === kEscapeKey) return;
    e.preventDefault();
    const name = keyName(e);
    const action = waiting;
    waiting = null;
    const bound = game.changeSettings("velmorane_settings_bind_key", ["number", "string"], [action, name], "number");
    if (bound === game.shared.keyBound) message.textContent = "";
    else if (bound === game.shared.keyUnusable) message.textContent = game.captions.KeyUnusable;
    else message.textContent = filled(game.captions.KeyInUse, { key: name, action: game.captions.Actions[bound] });
    fill();
    table.querySelectorAll("button")[action].focus();
  }));
}
