#include "play/Uncover.h"

void UncoverRect(Game& g, i32 x, i32 y, i32 w, i32 h) {
  g.UncoveredImage.Blit(g.StageImage, x, y, w, h, x, y, RasterOp::Copy);
}

void RecordStoodOnWall(Game& g, i32 c, i32 r) {
  if (c < 0 || c >= kGridSize || r < 0 || r >= kGridSize) return;
  if (g.Revealed[c][r] != 0 || !IsWallTile(g.MapData[c][r])) return;
  g.Revealed[c][r] = 1;
  if (g.RevealCount >= 0 && g.RevealCount < kRevealSlots) {
    g.RevealX[g.RevealCount] = c;
    g.RevealY[g.RevealCount] = r;
    g.RevealCount += 1;
  }
}
