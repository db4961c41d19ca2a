#pragma once

#include "state/Game.h"

// The two-player race's stage.
void BuildDuoStage(Game& g);
