#pragma once

#include "state/Game.h"

// The pieces of one two-player frame, in the order the frame runs them.

// Moves player i one frame: the hop or fall after spikes and the win launch
// while out of play, otherwise ramps, walking, jumping, climbing and falling,
// uncovering the cells touched in the player's own colours.
void MoveDuoPlayer(Game& g, int i);

// Draws every item still to be touched by someone onto BuffImage, advances
// its animation and counts the touches of both players.
void DrawAndTouchDuoItems(Game& g);
