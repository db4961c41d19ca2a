#pragma once

#include "state/Game.h"

// Stage 9, "FLOATS": platforms and lifts in three thirds above a floor of spikes.
void BuildStage9(Game& g);
