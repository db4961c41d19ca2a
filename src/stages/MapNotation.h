#pragma once

#include <string>

#include "state/Game.h"

// One character per tile: . empty, # wall, H ladder, ^ spikes, * item,
// / rising slope, \ falling slope, f and g fork slopes, T and B shaft ends,
// ? anything else.
char TileSymbol(Tile tile);

// Rows 0 to 19 of columns 0 to 22, top row first, one line each ending in a
// newline.
std::string MapRows(const Game& g);
