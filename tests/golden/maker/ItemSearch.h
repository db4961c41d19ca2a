#pragma once

#include "GameDriver.h"

// Which character the search steers: the one-player hero, or a racer of the
// two-player mode with its own keys.
struct Steered {
  int Racer = -1;  // -1: the one-player character; 0 or 1: that racer
};

// Searches breadth first, on sketches of the game, over short moves (a cell's walk or climb, a jump,
// a pause) for the nearest road on which the steered character takes an
// item without a miss, and follows it. False when none is found within the
// search's limit; the game is then as it was.
bool TakeNextItem(GameDriver& d, Steered who);
