#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "platform/Letterbox.h"

class SettingsInUse;

// The notices (host/io/Notices.h) over the bottom of the game's picture,
// newest lowest, each fading out a few seconds after it came; captioned in
// the settings' language when they come.
class NoticeStack {
 public:
  explicit NoticeStack(const SettingsInUse& settings) : settings_(settings) {}

  // Inside an ImGui frame, at the clock's now.
  void Draw(const Viewport& v, std::int64_t now);
  // Whether a notice is on screen: it needs frames to fade.
  bool Showing() const { return !shown_.empty(); }

 private:
  struct Shown {
    std::string Text;
    std::int64_t Since = 0;
  };
  const SettingsInUse& settings_;
  std::deque<Shown> shown_;
};
