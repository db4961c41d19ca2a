#pragma once

#include <string_view>

#include "host/settings/Settings.h"
#include "host/settings/SettingsStore.h"
#include "host/settings/SpeedAndBrightness.h"

struct Game;

// The settings of the game in the page, put to work as the desktop's window
// does: the keys turn the keyboard's keys into the game's, the game's speed
// and brightness are kept whenever they change (not while a recording is
// watched), and the page's script reads the rest (language, volumes, window
// scale) again whenever Generation has moved on.
class PageSettings {
 public:
  PageSettings(const Game& g, SettingsStore& store, const SettingsOverrides& overrides)
      : g_(g), store_(store), overrides_(overrides) {}

  // The settings as the page uses them: the stored ones, under the page
  // address's language.
  Settings Shown() const { return WithOverrides(store_.Current(), overrides_); }
  const Settings& Kept() const { return store_.Current(); }
  void Change(const Settings& s);
  // A language chosen in the menu wins over the address's from then on.
  void ChooseLanguage(Language language);
  void ToggleMute();
  // What a key of the keyboard, by its name in the settings, gives: a game
  // key, kMuteTarget, or 0 for nothing.
  int TargetOf(std::string_view keyName) const { return store_.Current().Keys.TargetOf(keyName); }
  // Looks at the game after its events: a new speed or brightness is kept.
  void AfterEvents(bool watching);
  // Moves on with every change the page shows.
  int Generation() const { return generation_; }
  // Starts watching the game's speed and brightness from where they are.
  void Watch();

 private:
  const Game& g_;
  SettingsStore& store_;
  SettingsOverrides overrides_;
  int generation_ = 0;
  SpeedAndBrightnessWatch game_;
};
