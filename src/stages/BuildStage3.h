#pragma once

#include "state/Game.h"

// Stage 3, "THE AMIDA": four ladders crossed by walls with gaps, like a ladder lottery.
void BuildStage3(Game& g);
