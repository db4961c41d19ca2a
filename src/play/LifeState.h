#pragma once

struct Game;

// One frame of a character out of play (Player.State not 0): the miss hop and
// fall, the clear jump out of the top, the fall-out with its lives handling
// (back to the start, stage rebuilt after a restart, or game over), and the
// blinking wait for a key at the start position.
void LifeStateStep(Game& g);
