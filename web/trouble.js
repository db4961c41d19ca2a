// Trouble the player must see: one line on the page. Once the game has
// started, an exception in any of the page's callbacks (the clock, keys,
// pads, sound, storage) or an abort of the WebAssembly stops the game and
// names what failed, so the page never freezes without a word.

let failed = false;

// How a failure is told, in the language the menus speak.
const kFailed = {
  ja: (what, why) => `ゲームが止まりました (${what}): ${why}`,
  en: (what, why) => `${what} failed: ${why}`,
};
let failedIn = kFailed.en;

// How a page that could not start says so.
const kCannotStart = {
  ja: (why) => `ゲームを始められませんでした: ${why}`,
  en: (why) => `The game could not start: ${why}`,
};
let cannotStartIn = kCannotStart.ja;

// Failures are told in this language ("ja" or "en") from now on.
export function speakIn(language) {
  failedIn = kFailed[language];
  cannotStartIn = kCannotStart[language];
}

// Shows why the page could not start.
export function cannotStart(why) {
  showMessage(cannotStartIn(why));
}

// Shows one line of trouble on the page.
export function showMessage(text) {
  const box = document.getElementById("message");
  box.textContent = text;
  box.hidden = false;
}

// Stops the game for good, saying what failed and why; only the first
// failure is shown.
export function fail(what, error) {
  if (failed) return;
  failed = true;
  console.error(error);
  showMessage(failedIn(what, error instanceof Error ? error.message : String(error)));
}

// The callback action for what, which after a failure does nothing and
// whose exception is a failure of what.
export function guarded(what, action) {
  return (...args) => {
    if (failed) return undefined;
    try {
      return action(...args);
    } catch (e) {
      fail(what, e);
      return undefined;
    }
  };
}
