#pragma once

#include "state/Game.h"

// Stage 4, "TWO MOUNTAINS": two bands of hills joined by ramps, a lift on each flat run.
void BuildStage4(Game& g);
