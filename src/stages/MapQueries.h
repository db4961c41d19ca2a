#pragma once

#include "state/Game.h"

// Questions the movers ask of the stage grid. Positions are the top-left
// pixel corner of a 24 x 24 box; of a direction only its sign counts
// (> 0 right or down). A cell outside the 41 x 41 grid reads as empty.

// One cell, empty outside the grid.
Tile Cell(const Game& g, i32 column, i32 row);

// 1 on a ladder, or (going down, on a row boundary) standing on top of one.
i32 IsLadder(const Game& g, i32 x, i32 y, i32 dirY);
// 1 when nothing under the box holds it up, ramps included.
i32 MustFall(const Game& g, i32 x, i32 y);
// 100 + row on a rising ramp, 200 + row on a falling one, negated on a fork
// cell; 0 off any ramp.
i32 SlopeAt(const Game& g, i32 x, i32 y);
// 1 when the cell under the centre of the box holds spikes.
i32 IsOnSpikes(const Game& g, i32 x, i32 y);
// 1 when the leading column of the box touches a wall.
i32 HitsWallX(const Game& g, i32 x, i32 y, i32 dirX);
// 1 when the leading row of the box touches a wall.
i32 HitsWallY(const Game& g, i32 x, i32 y, i32 dirY);
// 1 when both cells of the leading column are empty.
i32 IsOpenX(const Game& g, i32 x, i32 y, i32 dirX);
// 2 x (turn horizontally) + (turn vertically) for a bouncing box.
i32 BounceCheck(const Game& g, i32 x, i32 y, i32 dirX, i32 dirY);
// j + 1 for the highest-numbered other enemy j within 24 pixels of enemy i on
// both axes, 0 if none.
i32 EnemyOverlap(const Game& g, i32 i);
// -1, 0 or 1.
i32 Sign(i32 v);
