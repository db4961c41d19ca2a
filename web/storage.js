// What lasts between visits: the page's home folder in the program's file
// system (the settings file, the table of the best ten and the recordings,
// written by the game's own code as on the desktop) kept in the browser's
// IndexedDB. It is read once before the game starts and written back a
// little after every change, and when the page is hidden or closed. Where
// the browser keeps nothing (storage refused), the game goes on and keeps
// its records until the page closes.
"use strict";

class PageStorage {
  constructor(module) {
    this.module = module;
    this.home = module.ccall("velmorane_kept_home", "string", [], []);
    this.kept = false;
    this.saving = null;
    this.again = false;
    this.timer = null;
  }

  sync(populate) {
    return new Promise((done, fail) => this.module.FS.syncfs(populate, (error) => (error ? fail(error) : done())));
  }

  // Mounts the home folder and fills it from the browser's storage.
  async load() {
    const fs = this.module.FS;
    let path = "";
    for (const part of this.home.split("/").filter(Boolean)) {
      path += `/${part}`;
      if (!fs.analyzePath(path).exists) fs.mkdir(path);
    }
    try {
      fs.mount(this.module.IDBFS, {}, this.home);
      await this.sync(true);
      this.kept = true;
    } catch (e) {
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
    this.timer = setTimeout(() => { this.timer = null; this.save(); }, delay);
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
