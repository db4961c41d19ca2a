// The page around the WebAssembly game: loads the assets into the program's
// file system, then either plays a recording headless and writes what it
// ended in (?replay=URL&headless=1), or runs the game (play.js) with what
// the browser keeps of earlier visits (storage.js): a new game, a recording
// from an address (?replay=URL) or a kept one (?watch=NAME). The game names
// the assets and the ranges of the query's numbers (calls.js, readShared).
import Velmorane from "./velmorane.js";
import { callGame, readShared } from "./calls.js";
import { PageStorage } from "./storage.js";
import { playInPage } from "./play.js";
import { cannotStart, fail, showMessage, speakIn } from "./trouble.js";

async function fetchBytes(url) {
  let response;
  try {
    response = await fetch(url);
  } catch (e) {
    throw new Error(`${url}: cannot be fetched (${e.message})`);
  }
  if (!response.ok) throw new Error(`${url}: cannot be fetched (${response.status} ${response.statusText})`);
  return new Uint8Array(await response.arrayBuffer());
}

// Fetches the assets the game names into the program's file system.
async function loadAssets(module, shared) {
  const assets = await Promise.all(shared.assets.map(async (name) => [name, await fetchBytes(`assets/${name}`)]));
  module.FS.mkdir("/assets");
  for (const [name, bytes] of assets) module.FS.writeFile(`/assets/${name}`, bytes);
}

// The query's seed, stage and lang stand in for the desktop's --seed,
// --stage and --lang.
function startOptions(query, shared) {
  const seedText = query.get("seed");
  const stageText = query.get("stage");
  const seed = seedText === null ? null : Number(seedText);
  const stage = stageText === null ? shared.firstStage : Number(stageText);
  if (seed !== null && !(Number.isInteger(seed) && seed >= 0 && seed <= shared.maxSeed)) {
    throw new Error(`seed: '${seedText}' is not a number from 0 to ${shared.maxSeed}`);
  }
  if (!(Number.isInteger(stage) && stage >= shared.firstStage && stage <= shared.lastStage)) {
    throw new Error(`stage: '${stageText}' is not a stage from ${shared.firstStage} to ${shared.lastStage}`);
  }
  const language = query.get("lang");
  if (language !== null && language !== "ja" && language !== "en") {
    throw new Error(`lang: '${language}' is not ja or en`);
  }
  return { seed, stage, language };
}

// A recording the page kept, to watch; the name is only ever a recording's.
function keptRecording(module, name) {
  const path = callGame(module, "velmorane_kept_recording", "string", ["string"], [name]);
  if (path === "" || !module.FS.analyzePath(path).exists) throw new Error(`watch: '${name}' is not a recording this browser keeps`);
  return new TextDecoder().decode(module.FS.readFile(path));
}

function writeOutput(id, text) {
  const pre = document.createElement("pre");
  pre.id = id;
  pre.textContent = text;
  document.body.appendChild(pre);
}

async function playHeadless(module, url, options) {
  const text = new TextDecoder().decode(await fetchBytes(url));
  const began = performance.now();
  const ran = callGame(module, "velmorane_replay", "number", ["string", "string", "number", "number", "number"],
    [text, url, options.seed === null ? 0 : 1, options.seed ?? 0, options.stage]);
  if (!ran) throw new Error(callGame(module, "velmorane_replay_error", "string", [], []));
  writeOutput("state-dump", callGame(module, "velmorane_replay_dump", "string", [], []));
  writeOutput("picture-hash", callGame(module, "velmorane_replay_hash", "string", [], []));
  // How long the game itself ran, for scripts/web-budgets.
  document.body.dataset.replayMs = Math.round(performance.now() - began);
}

async function startPage() {
  if (typeof WebAssembly !== "object") {
    showMessage("このブラウザは WebAssembly を動かせません。最新のブラウザで遊んでください。 / "
      + "This browser cannot run WebAssembly, which VELMORANE needs. A current browser can.");
    return;
  }
  const query = new URLSearchParams(window.location.search);
  try {
    const module = await Velmorane({
      print: (line) => console.log(line),
      printErr: (line) => console.warn(line),
      onAbort: (why) => fail("the game's WebAssembly", why),
    });
    const shared = readShared(module);
    const asked = query.get("lang");
    if (asked === "ja" || asked === "en") speakIn(asked);
    const options = startOptions(query, shared);
    await loadAssets(module, shared);
    const replay = query.get("replay");
    const watch = query.get("watch");
    if (replay !== null && query.get("headless") === "1") {
      await playHeadless(module, replay, options);
      return;
    }
    const storage = new PageStorage(module);
    await storage.load();
    if (asked !== "ja" && asked !== "en") speakIn(callGame(module, "velmorane_kept_language", "string", [], []));
    const how = { ...options, replayText: null, replayName: null };
    if (replay !== null) {
      how.replayText = new TextDecoder().decode(await fetchBytes(replay));
      how.replayName = replay;
    } else if (watch !== null) {
      how.replayText = keptRecording(module, watch);
      how.replayName = watch;
    }
    await playInPage(module, storage, shared, how);
  } catch (e) {
    cannotStart(e.message);
  }
}

// What no callback caught still stops the game with a message.
window.addEventListener("error", (e) => fail("the page", e.error ?? e.message));
window.addEventListener("unhandledrejection", (e) => fail("the page", e.reason));
startPage();
