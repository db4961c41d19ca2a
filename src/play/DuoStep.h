#pragma once

struct Game;

// One frame of the two-player race.
void DuoStep(Game& g);
