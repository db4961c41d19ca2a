#pragma once

#include "state/Game.h"

// Lays out the stage of PlayMode and StageNo: the two-player stage when
// PlayMode is TwoPlayer, otherwise stage StageNo (1 to 10; any other number builds
// nothing). Every build starts from a fully cleared grid and empty enemy and
// lift tables.
void BuildStage(Game& g);

// The builders proper. Each draws from the shared generator in a fixed order,
// fills the grid (items as code 10), the player's start, the enemy table and,
// for stages 4 and 9, the lift table.
void BuildStage1(Game& g);
void BuildStage2(Game& g);
void BuildStage3(Game& g);
void BuildStage4(Game& g);
void BuildStage5(Game& g);
void BuildStage6(Game& g);
void BuildStage7(Game& g);
void BuildStage8(Game& g);
void BuildStage9(Game& g);
void BuildStage10(Game& g);
void BuildDuoStage(Game& g);
