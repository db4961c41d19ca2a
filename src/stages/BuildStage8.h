#pragma once

#include "state/Game.h"

// Stage 8, "SLOPE PANIC!": three bands of hills and ramps, slope walkers on each.
void BuildStage8(Game& g);
