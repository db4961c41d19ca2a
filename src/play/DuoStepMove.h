#pragma once

#include "state/Game.h"

// Moves player i one frame of the race: the hop or fall after spikes and the
// win launch while out of play, otherwise ramps, walking, jumping, climbing
// and falling, uncovering the cells touched in the player's own colours.
void MoveDuoPlayer(Game& g, int i);
