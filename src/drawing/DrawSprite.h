#pragma once

#include "state/Surface.h"

// A 24 x 24 sprite from a sheet: the mask cell (black figure on white) by
// AND, then the picture cell (figure on black) by OR, so the background shows
// around the figure.
inline void DrawMasked(Surface& dest, const Surface& sheet, int maskX, int maskY, int imageX,
                       int imageY, int x, int y) {
  dest.Blit(sheet, maskX, maskY, 24, 24, x, y, RasterOp::And);
  dest.Blit(sheet, imageX, imageY, 24, 24, x, y, RasterOp::Or);
}

// A 24 x 24 cell copied as it is (tiles, items).
inline void DrawOpaque(Surface& dest, const Surface& sheet, int sheetX, int sheetY, int x, int y) {
  dest.Blit(sheet, sheetX, sheetY, 24, 24, x, y, RasterOp::Copy);
}
