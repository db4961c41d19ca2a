#pragma once

#include "play/PlayFrameTick.h"
#include "stages/StageFixture.h"

namespace playtest {

// A laid-out stage whose frame timer can be run.
struct PlayFixture : StageFixture {
  // Frame timer ticks, as the clock delivers them: only while it is on.
  void Tick(int frames = 1) {
    for (int n = 0; n < frames && game->Timer1.Enabled; ++n) PlayFrameTick(*game);
  }
};

}  // namespace playtest
