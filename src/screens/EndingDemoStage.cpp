#include "screens/EndingDemoStage.h"

#include <string>

#include "screens/DrawMoji.h"
#include "stages/StageBuilders.h"

namespace {

constexpr i32 kLastColumn = 22;
constexpr i32 kLastRow = 20;

// Copies the one-player tile of a cell code to SightImage at (x, y): shaft
// ends from the two-player sheet, codes without a tile (items included) as
// the empty background.
void PaintTile(Game& g, i32 code, i32 x, i32 y) {
  const Surface* sheet = &g.ChrImage;
  i32 sx = 64, sy = 0;
  switch (code) {
    case 1: sx = 32; break;
    case 2: sx = 0; break;
    case 3: sx = 160; sy = 160; break;
    case 11:
    case 21: sx = 224; sy = 160; break;
    case 12:
    case 22: sx = 256; sy = 160; break;
    case 31:
    case 32:
    case 33: sheet = &g.Chr2Image; sx = 224; break;
    default: break;
  }
  g.SightImage.Blit(*sheet, sx, sy, 24, 24, x, y);
}

}  // namespace

void ShowEndingStage(Game& g, i32 stage) {
  g.StageNo = stage;
  BuildStage(g);
  for (i32 column = 0; column <= kLastColumn; ++column) {
    for (i32 row = 0; row <= kLastRow; ++row)
      PaintTile(g, g.MapData[column][row], 24 * column, 24 * row);
  }
  DrawMoji(g, g.SightImage, "STAGE " + std::to_string(stage) + ":" + g.StageNames[stage], 2, 2, 0,
           0, 20, 0xFFFFFF, "Arial");
}
