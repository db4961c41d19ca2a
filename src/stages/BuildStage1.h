#pragma once

#include "state/Game.h"

// Stage 1, "ROAD AND LADDER": platforms over a solid floor, joined by ladders, an item on each.
void BuildStage1(Game& g);
