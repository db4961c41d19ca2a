#include "screens/EndingDemoStage.h"

#include <string>

#include "drawing/TextLine.h"
#include "stages/BuildStage.h"
#include "stages/PaintStage.h"

namespace {

constexpr i32 kLastColumn = 22;
constexpr i32 kLastRow = 20;

}  // namespace

void ShowEndingStage(Game& g, i32 stage) {
  g.StageNo = stage;
  BuildStage(g);
  for (i32 column = 0; column <= kLastColumn; ++column) {
    for (i32 row = 0; row <= kLastRow; ++row)
      PaintSoloTile(g, g.UncoveredImage, g.MapData[column][row], 24 * column, 24 * row);
  }
  DrawTextLine(g, g.UncoveredImage, "STAGE " + std::to_string(stage) + ":" + g.StageNames[stage], 0, 0, text_style::kLine);
}
