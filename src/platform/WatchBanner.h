#pragma once

#include "platform/Letterbox.h"

class SettingsInUse;
class WindowRun;

// The banner over the top of the game's picture while a recording is
// watched: that it is, the time played and the whole recording's, and the
// keys that pause, skip ahead and stop it; in the settings' language.
class WatchBanner {
 public:
  WatchBanner(const WindowRun& window, const SettingsInUse& settings) : window_(window), settings_(settings) {}

  // Inside an ImGui frame; nothing when no recording plays.
  void Draw(const Viewport& v);

 private:
  const WindowRun& window_;
  const SettingsInUse& settings_;
};
