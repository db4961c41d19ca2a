#pragma once

#include "state/Game.h"

// Uncovering copies a piece of the hidden stage (StageImage) into the player's
// view of it (UncoveredImage).

void UncoverRect(Game& g, i32 x, i32 y, i32 w, i32 h);
// Marks wall cell (c, r) as stood on and adds it to the reveal list, once per
// stage; the list stops growing when its 401 entries are full.
void RecordStoodOnWall(Game& g, i32 c, i32 r);
