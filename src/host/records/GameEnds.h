#pragma once

#include <optional>

struct Game;

// How a one-player game ended: at a game over, or in the ending.
struct GameEnd {
  int Score = 0;
  int Stage = 1;
  bool Ending = false;
};

// Notices the moment a one-player game ends: the game-over wait begins, or
// the ending starts. A game continued after a game over starts again from a
// score of 0, so each game over ends a game of its own.
class GameEndWatcher {
 public:
  // The end that happened since the last look, if any.
  std::optional<GameEnd> Look(const Game& g);

 private:
  bool over_ = false;
  bool ending_ = false;
};
