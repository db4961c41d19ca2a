// What lasts between visits: the page's home folder in the program's file
// system (the settings file, the table of the best ten and the recordings,
// written by the game's own code as on the desktop) kept in the browser's
// IndexedDB. It is read once before the game starts and written back a
// little after every change, and when the page is hidden or closed.
//
// One page at a time keeps it: a write replaces the stored folder with the
// page's own, so a second tab writing too would lose what the first kept.
// A page that finds another holding the folder (or a browser that keeps
// nothing) reads what is kept and plays on, keeping nothing of its own.
import { callGame } from "./calls.js";
import { guarded } from "./trouble.js";

const kHomeLock = "velmorane-home";

export class PageStorage {
  constructor(module) {
    this.module = module;
    this.home = callGame(module, "velmorane_kept_home", "string", [], []);
    this.kept = false;
    this.refused = false;  // the browser keeps nothing for the page
    this.saving = null;
    this.again = false;
    this.timer = null;
  }

  sync(populate) {
    return new Promise((done, fail) => this.module.FS.syncfs(populate, (error) => (error ? fail(error) : done())));
  }

  // Holds the home folder for this page until it closes; false when another
  // page holds it. Browsers without locks let every page keep it.
  holdHome() {
    if (!navigator.locks) return Promise.resolve(true);
    return new Promise((held) => {
      navigator.locks.request(kHomeLock, { ifAvailable: true }, (lock) => {
        held(lock !== null);
        return lock === null ? undefined : new Promise(() => {});
      }).catch(() => held(false));
    });
  }

  // Mounts the home folder and fills it from the browser's storage.
  async load() {
    const fs = this.module.FS;
    let path = "";
    for (const part of this.home.split("/").filter(Boolean)) {
      path += `/${part}`;
      if (!fs.analyzePath(path).exists) fs.mkdir(path);
    }
    const held = await this.holdHome();
    try {
      fs.mount(this.module.IDBFS, {}, this.home);
      await this.sync(true);
      this.kept = held;
    } catch (e) {
      this.refused = true;
      console.warn(`the browser keeps no settings or records for this page (${e.message || e}); they last until it closes`);
    }
    window.addEventListener("visibilitychange", () => { if (document.hidden) this.save(); });
    window.addEventListener("pagehide", () => this.save());
  }

  // Writes the folder back within delay ms; changes in the meantime go with
  // it.
  soon(delay) {
    if (!this.kept) return;
    const due = performance.now() + delay;
    if (this.timer !== null && this.due <= due) return;
    clearTimeout(this.timer);
    this.due = due;
    this.timer = setTimeout(guarded("keeping the settings and records", () => { this.timer = null; this.save(); }), delay);
  }

  // Writes the folder back now, one write at a time.
  async save() {
    if (!this.kept) return;
    if (this.saving) {
      this.again = true;
      return this.saving;
    }
    this.saving = this.sync(false).catch((e) => console.warn(`settings and records not kept: ${e.message || e}`));
    await this.saving;
    this.saving = null;
    if (this.again) {
      this.again = false;
      await this.save();
    }
  }
}
