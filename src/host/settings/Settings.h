#pragma once

#include <string>

#include "game/SliderRange.h"
#include "host/race/RaceAddress.h"
#include "host/settings/KeyBindings.h"

enum class Language { Japanese, English };

// What the player chose, kept between runs in the settings file. The speed
// and the brightness are the game's own values (the frame interval, and the
// red of the two-player palette's entry 3, which the brightness slider sets);
// the others belong to the window.
struct Settings {
  static constexpr int kDefaultFrameInterval = 50;
  static constexpr int kMinFrameInterval = 1;
  static constexpr int kMaxFrameInterval = kSpeedSliderMax;
  static constexpr int kDefaultBrightness = 35;
  static constexpr int kMaxBrightness = kBrightnessSliderMax;
  static constexpr int kMaxVolume = 100;
  static constexpr int kFitScale = 0;  // the largest scale that fits the desktop
  static constexpr int kMaxWindowScale = 8;
  static constexpr int kMenuWindowScales = 4;  // the scales the Window menu offers besides fitting
  static constexpr int kMinRacePort = 1;
  static constexpr int kMaxRacePort = 65535;

  int FrameInterval = kDefaultFrameInterval;
  int Brightness = kDefaultBrightness;
  int MusicVolume = kMaxVolume;
  int EffectsVolume = kMaxVolume;
  bool Mute = false;
  Language Lang = Language::Japanese;
  KeyBindings Keys;
  int WindowScale = kFitScale;
  bool FullScreen = false;
  std::string SoundFont;   // empty: the one the system has
  std::string PlayerName;  // empty: the login name
  // The speed and brightness dialogs open where they were last left, not at
  // the game's values.
  bool ClassicDialogs = false;
  int RacePort = kDefaultRacePort;  // where a race is hosted
  std::string LastRaceAddress;      // the last race joined, "address[:port]"; empty: none yet

  bool operator==(const Settings&) const = default;
};

// What the command line sets for one run, over the file's settings.
struct SettingsOverrides {
  bool LanguageSet = false;
  Language Lang = Language::Japanese;
  std::string SoundFont;
};

Settings WithOverrides(Settings s, const SettingsOverrides& o);
