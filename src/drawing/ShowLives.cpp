#include "drawing/ShowLives.h"

#include "state/Game.h"

void ShowLives(Game& g) {
  Surface& lives = g.LivesImage;
  lives.FillWhole(kBlack);
  // Spare lives, five to a row, four rows at most; more are not shown.
  i32 x = 0;
  i32 y = 0;
  for (i32 n = 1; n < g.Lives && y + 24 < lives.Height(); ++n) {
    lives.Blit(g.SpriteSheet, 192, 128, 24, 24, x, y, RasterOp::Or);
    x += 24;
    if (x + 24 > lives.Width()) {
      x = 0;
      y += 24;
    }
  }
}
