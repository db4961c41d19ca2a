#pragma once

#include "host/settings/SettingsInUse.h"

class SdlMusicSystem;
class WindowRun;

// The settings of a run in a window, put to work: the volumes and mute in
// the sound, the keys and the window's size in the window; full screen
// switched from the keyboard is kept too.
class SettingsKeeper {
 public:
  SettingsKeeper(SettingsInUse& settings, WindowRun& window, SdlMusicSystem& music);
  SettingsKeeper(const SettingsKeeper&) = delete;
  SettingsKeeper& operator=(const SettingsKeeper&) = delete;

 private:
  void AfterEvents();
  void Apply(const Settings& before, const Settings& now);

  SettingsInUse& settings_;
  WindowRun& window_;
  SdlMusicSystem& music_;
  bool seenFullScreen_ = false;
};
