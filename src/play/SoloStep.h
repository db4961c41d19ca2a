#pragma once

struct Game;

// One frame of the one-player game: the character (in play or out of it),
// the lifts, the items, the enemies, the misses, the picture with its
// messages, and the clear check.
void SoloStep(Game& g);
