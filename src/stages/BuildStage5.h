#pragma once

#include "state/Game.h"

// Stage 5, "BUILDING": a floor on every other row, two ladders up from each, climbers.
void BuildStage5(Game& g);
