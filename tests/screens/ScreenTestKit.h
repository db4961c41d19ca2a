#pragma once

#include <memory>

#include "state/Game.h"
#include "support/ServiceLogs.h"

// A started program (tables filled, timers at their intervals) whose
// music, effects and repaints are recorded.
struct TestGame {
  TestGame() : g(std::make_unique<Game>()) {
    FormCreate(*g, 12345);
    g->TitleTimer.SetEnabled(false);
    g->BGMPlayer.Attach(&music);
    g->Sound = &sound;
    g->Screen = &screen;
    g->Text = &text;
  }
  Game& operator*() { return *g; }
  Game* operator->() { return g.get(); }

  MusicLog music;
  SoundLog sound;
  RepaintCounter screen;
  TextLog text;
  std::unique_ptr<Game> g;
};
