#pragma once

#include "state/Game.h"

// Stage 6, "HOLE HOLE HOLE": three levels of floors each side of a central
// ladder, each floor with a hole above a row of spikes.
void BuildStage6(Game& g);
