// The page's sound: the effects as they are (WAV) and the tunes rendered at
// build time from the game's MIDI files (MP3), played through Web Audio.
// Browsers let a page sound only after a key press or a click; until then a
// hint says so. The game's timing never waits for sound: a tune that is not
// loaded yet, or not there at all, is silent.
// The game names the effects (shared.effects); its calls to play them come
// from inside the WebAssembly, so they are guarded here.
import { fail, guarded } from "./trouble.js";

export class PageSound {
  constructor(module, shared, onTuneEnded) {
    this.effectFiles = shared.effects;
    this.maxVolume = shared.maxVolume;
    this.context = new AudioContext();
    this.effects = new Map();
    this.tunes = new Map();
    this.effect = null;
    this.tune = null;
    this.onTuneEnded = onTuneEnded;
    this.musicGain = this.context.createGain();
    this.effectsGain = this.context.createGain();
    this.musicGain.connect(this.context.destination);
    this.effectsGain.connect(this.context.destination);
    module.onEffect = guarded("the sound effects", (file) => this.playEffect(file));
    module.onTuneStarted = guarded("the music", (file, waited) => {
      this.playTune(file, waited).catch((e) => fail("the music", e));
    });
    module.onTuneStopped = guarded("the music", () => this.stopTune());
  }

  // The settings' volumes, 0 to shared.maxVolume, as the desktop's mixer
  // takes them.
  setVolumes(music, effects, mute) {
    this.musicGain.gain.value = mute ? 0 : music / this.maxVolume;
    this.effectsGain.gain.value = mute ? 0 : effects / this.maxVolume;
  }

  unlock() {
    if (this.context.state !== "running") this.context.resume();
  }

  showHintUntilUnlocked(hint) {
    const update = () => { hint.hidden = this.context.state === "running"; };
    this.context.addEventListener("statechange", update);
    update();
  }

  async decode(url) {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status}`);
    return this.context.decodeAudioData(await response.arrayBuffer());
  }

  async loadEffects() {
    await Promise.all(this.effectFiles.map(async (name) => {
      try {
        this.effects.set(name, await this.decode(`assets/${name}`));
      } catch (e) {
        console.warn(`effect ${name} is silent: ${e.message}`);
      }
    }));
  }

  // A tune is fetched the first time it is asked for.
  tuneBuffer(file) {
    const name = file.replace(/\.mid$/i, ".mp3");
    if (!this.tunes.has(name)) {
      this.tunes.set(name, this.decode(`tunes/${name}`).catch((e) => {
        console.warn(`tune ${name} is silent: ${e.message}`);
        return null;
      }));
    }
    return this.tunes.get(name);
  }

  // A new effect cuts off the one sounding, as on the desktop.
  playEffect(file) {
    const buffer = this.effects.get(file);
    if (!buffer) return;
    if (this.effect) this.effect.stop();
    this.effect = this.context.createBufferSource();
    this.effect.buffer = buffer;
    this.effect.connect(this.effectsGain);
    this.effect.start();
  }

  // The end of a tune played without waiting goes back to the game, which
  // decides whether it plays again.
  async playTune(file, waited) {
    this.stopTune();
    const mine = {};
    this.tune = mine;
    const buffer = await this.tuneBuffer(file);
    if (this.tune !== mine || !buffer) return;
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    source.connect(this.musicGain);
    if (!waited) {
      source.addEventListener("ended", guarded("the music", () => {
        if (this.tune === mine) {
          this.tune = null;
          this.onTuneEnded();
        }
      }));
    }
    mine.source = source;
    source.start();
  }

  stopTune() {
    const playing = this.tune;
    this.tune = null;
    if (playing && playing.source) playing.source.stop();
  }
}
