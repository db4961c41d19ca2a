#pragma once

#include "state/Game.h"

// EnemyKind::SlopeWalker, one tick, drawn afterwards: walks floors and ramps,
// choosing at forks whether to take the ramp.
void MoveSlopeWalker(Game& g, i32 i);
