#pragma once

#include "state/Game.h"

// Visits the cells column by column (columns 0 to 22, rows 0 to 20): turns
// each item cell into an entry of the item list (at most 99 counted; the
// cell becomes empty) and paints every cell, an item cell as background.
// One player: the whole stage into StageImage, and a black UncoveredImage showing
// only the spikes. Two players: the blue-tinted and the red-tinted stage into
// RacerOneStageImage and RacerTwoStageImage, and a black UncoveredImage.
void ListItemsAndPaint(Game& g);

// Two players: the first view is a checkerboard of 5 x 5-cell squares taken
// alternately from the two tinted backgrounds.
void PaintDuoCheckerboard(Game& g);

// Copies the one-player picture of a tile to dest at (x, y): shaft ends come
// from the two-player sheet, tiles without a picture (items included) are
// painted as the empty background.
void PaintSoloTile(Game& g, Surface& dest, Tile tile, i32 x, i32 y);
