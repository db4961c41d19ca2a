#pragma once

#include "state/Game.h"

// Draws every item still to be touched by someone onto FrameImage, advances
// its animation and counts the touches of both players.
void DrawAndTouchDuoItems(Game& g);
