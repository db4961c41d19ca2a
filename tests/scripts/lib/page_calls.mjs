// Loads the built page's WebAssembly in Node.js and checks the page's
// scripts against the game (tests/scripts/page_calls.sh):
// - every number the scripts read of the shared numbers is one the game
//   gives, and the scripts copy none of the game's sizes, ranges or files;
// - every exported function takes the ends of its ranges and refuses a
//   number just outside, naming itself, before and after the game starts.
// Usage: node page_calls.mjs SITE WEB   (the built page, the page's scripts)
import { readdirSync, readFileSync } from "node:fs";
import { join, resolve } from "node:path";
import { pathToFileURL } from "node:url";

const [site, web] = process.argv.slice(2).map((p) => resolve(p));
const { default: Velmorane } = await import(pathToFileURL(join(site, "velmorane.js")));
const { callGame, readShared } = await import(pathToFileURL(join(web, "calls.js")));
const module = await Velmorane({ wasmBinary: readFileSync(join(site, "velmorane.wasm")), print() {}, printErr() {} });
const shared = readShared(module);

const faults = [];
const call = (name, types, values, returns = "number") => callGame(module, name, returns, types, values);
const refused = (name, types, values, why) => {
  try {
    call(name, types, values);
  } catch (e) {
    if (!e.message.startsWith(`${name}: `) || !e.message.includes(why)) faults.push(`${name}(${values}): "${e.message}"`);
    return;
  }
  faults.push(`${name}(${values}) was not refused`);
};
const expect = (what, got, wanted) => {
  if (got !== wanted) faults.push(`${what}: ${got}, not ${wanted}`);
};

// What the scripts read and what they must not copy.
const scripts = readdirSync(web).filter((f) => f.endsWith(".js")).map((f) => [f, readFileSync(join(web, f), "utf8")]);
const numbers = [shared.clientWidth, shared.clientHeight, shared.maxSeed];
for (const [file, text] of scripts) {
  for (const [, path] of text.matchAll(/\bshared\.(\w+(?:\.\w+)?)/g)) {
    try {
      path.split(".").reduce((value, key) => value[key], shared);
    } catch (e) {
      faults.push(`${file} reads ${e.message.replace("the game shares no ", "")}, which the game does not share`);
    }
  }
  for (const n of numbers) if (new RegExp(`\\b${n}\\b`).test(text)) faults.push(`${file} copies the game's ${n}`);
  for (const name of [...shared.assets, ...shared.effects]) if (text.includes(name)) faults.push(`${file} copies ${name}`);
}

// Before the game starts, nothing touches it.
refused("velmorane_play_step", ["number"], [0], "the game has not started");
refused("velmorane_play_menu", ["number"], [shared.menu.pause], "the game has not started");
refused("velmorane_settings_sound", ["number", "number", "number"], [0, 0, 0], "the game has not started");
refused("velmorane_replay", ["string", "string", "number", "number", "number"], ["", "r", 0, 0, shared.lastStage + 1],
  "stage");

module.FS.mkdir("/assets");
for (const name of shared.assets) module.FS.writeFile(`/assets/${name}`, readFileSync(join(site, "assets", name)));
const start = ["number", "number", "number", "string", "string", "number", "number"];
const starting = (seeded, seed, stage, language) => [seeded, seed, stage, "", "", 0, language];
refused("velmorane_play_start", start, starting(1, shared.maxSeed + 1, shared.firstStage, shared.language.unset), "seed");
refused("velmorane_play_start", start, starting(1, 0.5, shared.firstStage, shared.language.unset), "seed");
refused("velmorane_play_start", start, starting(0, 0, shared.firstStage - 1, shared.language.unset), "stage");
refused("velmorane_play_start", start, starting(0, 0, shared.lastStage, shared.language.en + 1), "language");
expect("a start at the ends of the ranges", call("velmorane_play_start", start,
  starting(1, shared.maxSeed, shared.lastStage, shared.language.en)), 1);

refused("velmorane_play_step", ["number"], [-1], "clock");
expect("a first step's wake", call("velmorane_play_step", ["number"], [1]) >= shared.noWake, true);
refused("velmorane_play_key", ["number", "number", "string"], [2, 0, "Left"], "down");
refused("velmorane_play_menu", ["number"], [shared.menu.exit + 1], "menu command");
refused("velmorane_play_menu", ["number"], [-1], "menu command");
for (const slider of ["speed", "brightness"]) {
  const id = shared.slider[slider];
  refused("velmorane_play_slider", ["number", "number"], [id, shared.sliderMax[slider] + 1], "slider position");
  refused("velmorane_play_slider", ["number", "number"], [id, -1], "slider position");
  call("velmorane_play_slider", ["number", "number"], [id, shared.sliderMax[slider]]);
  call("velmorane_play_step", ["number"], [2]);
  expect(`the ${slider} slider at its end`, call("velmorane_play_slider_position", ["number"], [id]),
    shared.sliderMax[slider]);
}
const noSlider = Math.max(shared.slider.speed, shared.slider.brightness) + 1;
refused("velmorane_play_slider", ["number", "number"], [noSlider, 0], "slider");
refused("velmorane_play_slider_label", ["number"], [noSlider], "slider");
refused("velmorane_play_dialogs", ["number"], [2], "open");

refused("velmorane_pad_plugged", ["number"], [-1], "pad");
call("velmorane_pad_plugged", ["number"], [0]);
const noButton = Math.max(...shared.padButtons) + 1;
refused("velmorane_pad_button", ["number", "number", "number"], [0, noButton, 1], `button ${noButton}`);
call("velmorane_pad_button", ["number", "number", "number"], [0, shared.padButtons[0], 1]);
refused("velmorane_pad_axis", ["number", "number", "number"], [0, shared.padAxes[0], 1.5], "stick");
refused("velmorane_pad_axis", ["number", "number", "number"], [0, Math.max(...shared.padAxes) + 1, 0], "axis");
call("velmorane_pad_axis", ["number", "number", "number"], [0, shared.padAxes[1], -1]);

const settings = () => JSON.parse(call("velmorane_settings", [], [], "string"));
refused("velmorane_settings_sound", ["number", "number", "number"], [shared.maxVolume + 1, 0, 0], "music volume");
refused("velmorane_settings_sound", ["number", "number", "number"], [0, -1, 0], "effects volume");
call("velmorane_settings_sound", ["number", "number", "number"], [shared.maxVolume, 0, 1]);
expect("the music volume at its end", settings().musicVolume, shared.maxVolume);
refused("velmorane_settings_window_scale", ["number"], [shared.fitScale - 1], "window scale");
call("velmorane_settings_window_scale", ["number"], [shared.menuWindowScales]);
expect("the window scale", settings().windowScale, shared.menuWindowScales);
refused("velmorane_settings_language", ["number"], [shared.language.unset], "language");
refused("velmorane_settings_player_name", ["string"], [null], "the player's name");
call("velmorane_settings_player_name", ["string"], ["Aki"]);
expect("the player's name", settings().playerName, "Aki");
refused("velmorane_captions", ["number"], [shared.language.en + 1], "language");
const { Actions } = JSON.parse(call("velmorane_captions", ["number"], [shared.language.ja], "string"));
refused("velmorane_settings_bind_key", ["number", "string"], [Actions.length, "Left"], "action");
expect("binding no key", call("velmorane_settings_bind_key", ["number", "string"], [0, "Nowhere"]), shared.keyUnusable);
expect("binding an action's own key", call("velmorane_settings_bind_key", ["number", "string"], [0, settings().keys[0]]),
  shared.keyBound);
expect("binding another action's key", call("velmorane_settings_bind_key", ["number", "string"], [0, settings().keys[1]]),
  1);

if (faults.length > 0) {
  console.log(faults.join("\n"));
  process.exit(1);
}
console.log("the page's scripts and the game agree, and the game checks what the page hands it");
