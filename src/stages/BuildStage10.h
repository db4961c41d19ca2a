#pragma once

#include "state/Game.h"

// Stage 10, "THE MAZE": a maze carved from solid wall, items at its dead ends.
void BuildStage10(Game& g);
