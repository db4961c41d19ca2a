#pragma once

#include "state/Game.h"

// Stage 7, "SKY ROOMS": rooms grown at random above a floor of spikes.
void BuildStage7(Game& g);
