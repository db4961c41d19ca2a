#pragma once

#include <memory>

#include "state/Game.h"
#include "support/MusicLog.h"
#include "support/RepaintCounter.h"
#include "support/SoundLog.h"
#include "support/TextLog.h"

// A started program (tables filled, timers at their intervals) whose
// music, effects, text and repaints are written down.
struct TestGame {
  TestGame();
  Game& operator*() { return *g; }
  Game* operator->() { return g.get(); }

  MusicLog music;
  SoundLog sound;
  RepaintCounter screen;
  TextLog text;
  std::unique_ptr<Game> g;
};
