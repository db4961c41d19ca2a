#pragma once

// The numbers the page's exported functions take and give besides the
// game's own (web/PageJson's SharedJson hands all of them to the page).

// The language the page asks for: none (the settings' own), or one of the two.
constexpr int kLanguageUnset = -1;
constexpr int kJapaneseCode = 0;
constexpr int kEnglishCode = 1;

// What binding a key gives back, besides the number of the action that
// already holds the key.
constexpr int kKeyBound = -1;
constexpr int kKeyUnusable = -2;

// When the game next needs a step: never, until the page hands it an event.
constexpr int kNoWake = -1;
