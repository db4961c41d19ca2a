#pragma once

#include "state/Game.h"

// Pieces shared by the enemy kinds.

// -4 or 4, one draw of the shared generator.
i32 RandomStep(Game& g);

// One step on the 4-pixel grid.
constexpr i32 StepOnGrid(i32 v, i32 d) { return (v + d) / 4 * 4; }

// Turns a walker away from another enemy it overlaps: a horizontal step
// points away from it on x, a vertical one on y, and one left without any
// step takes a random horizontal one. False when enemy i overlaps nobody.
bool AvoidOverlap(Game& g, i32 i, i32& dx, i32& dy);

// Keeps a walker or climber inside the field: put back at the edge, turned
// inward with a step of 4, and out of any arc.
void KeepStepperInField(Game& g, i32 i, i32& dx);

// Draws enemy i from SpriteSheet: mask cell at (sheetX, maskY), picture cell
// 32 pixels lower.
void DrawEnemy(Game& g, i32 i, i32 sheetX, i32 maskY);

// 0 or 32: the walk frame changes every 8 pixels of travel.
constexpr i32 WalkPhase(i32 v) { return (v % 16) / 8 * 32; }
