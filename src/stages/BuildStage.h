#pragma once

#include "state/Game.h"

// Lays out the stage of PlayMode and StageNo: the two-player stage when
// PlayMode is TwoPlayer, otherwise stage StageNo (1 to 10; any other number builds
// nothing). Every build starts from a fully cleared grid and empty enemy and
// lift tables.
//
// Each stage's builder draws from the shared generator in a fixed order and
// fills the grid (items as code 10), the player's start, the enemy table and,
// for stages 4 and 9, the lift table.
void BuildStage(Game& g);
