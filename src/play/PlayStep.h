#pragma once

#include "state/Game.h"

// One frame of the character in play (Player.State 0): slopes, steering,
// jumps and falls, ladders, walls, field edges, the lift lock, uncovering,
// then the view and the character drawn on FrameImage. savedX and savedY are
// the position the frame began with.
void PlayStep(Game& g, i32 savedX, i32 savedY);
