#pragma once

#include <cstdint>
#include <random>

#include "state/Timer.h"

struct Game;

// A player who presses anything: between two timer ticks it sends a random
// few of the events a person and the window can cause (keys of both
// players, the pause, restart, speed and brightness keys, the menus, the two
// sliders, focus changes, the end of a tune). It leaves a game over or a
// two-player result for the title about as often as it plays on, and has
// the title start each one-player game at the next stage in turn. Now and
// then it takes every item of a stage but one, which it leaves under the
// character (in a two-player game, under one player), so that stages get
// cleared, the ending is reached and matches are won.
class SoakPlayer {
 public:
  explicit SoakPlayer(std::uint64_t seed) : random_(seed) {}

  void Act(Game& g);

 private:
  bool OneIn(std::uint32_t n) { return random_() % n == 0; }
  int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }
  void PressOrRelease(Game& g);
  void UseMenusAndDialogs(Game& g);
  void HelpToAClear(Game& g);
  void HelpToADuoWin(Game& g);

  std::mt19937_64 random_;
  bool onTitle_ = false;
  int nextStage_ = 1;
};
