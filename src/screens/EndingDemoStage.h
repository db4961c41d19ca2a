#pragma once

#include "state/Game.h"

// Lays out stage `stage` afresh (a clean grid, grounded enemies) and paints
// it into UncoveredImage fully uncovered, with its caption in the top-left
// corner. Item cells stay in the grid and show as background.
void ShowEndingStage(Game& g, i32 stage);
