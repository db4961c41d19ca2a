#pragma once

#include "platform/Letterbox.h"

class WindowRace;

// Over the side panel during an online race: who plays which racer, the
// round trip, and whether the race waits for the other side.
class RacePanel {
 public:
  explicit RacePanel(const WindowRace& race) : race_(race) {}
  // Inside an ImGui frame; nothing when no race is played.
  void Draw(const Viewport& v);

 private:
  const WindowRace& race_;
};
