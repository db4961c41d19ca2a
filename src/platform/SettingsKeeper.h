#pragma once

#include "host/settings/Settings.h"
#include "host/settings/SettingsStore.h"
#include "host/settings/SpeedAndBrightness.h"

class SdlMusicSystem;
class WindowRun;
struct Game;

// The settings of a run in a window, put to work: the volumes and mute in
// the sound, the keys and the window's size in the window, and every change
// kept in the store. The game's speed and brightness are watched after each
// turn of the window's loop (keys, menus and sliders all change them through
// the dispatcher); what a replay does to them is not kept.
class SettingsKeeper {
 public:
  SettingsKeeper(Game& g, SettingsStore& store, const SettingsOverrides& overrides, WindowRun& window,
                 SdlMusicSystem& music);
  SettingsKeeper(const SettingsKeeper&) = delete;
  SettingsKeeper& operator=(const SettingsKeeper&) = delete;

  // The settings as this run uses them: the file's, under the command line's.
  Settings Shown() const { return WithOverrides(store_.Current(), overrides_); }
  const Settings& Kept() const { return store_.Current(); }
  // The player changed settings: they are kept and put to work.
  void Change(const Settings& s);
  // A language chosen in the menu wins over --lang from then on.
  void ChooseLanguage(Language language);
  void ToggleMute();

 private:
  void AfterEvents();
  void Apply(const Settings& before, const Settings& now);

  Game& g_;
  SettingsStore& store_;
  SettingsOverrides overrides_;
  WindowRun& window_;
  SdlMusicSystem& music_;
  SpeedAndBrightnessWatch game_;
  bool seenFullScreen_ = false;
};
