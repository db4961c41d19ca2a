#pragma once

#include "state/Game.h"

// Stage 2, "JUMPING": two towers of short floors beside a central ladder, a ladder along the top.
void BuildStage2(Game& g);
