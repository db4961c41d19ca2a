#include "play/Items.h"

#include "drawing/DrawSprite.h"
#include "play/Touches.h"
#include "state/Game.h"

void CollectAndDrawItems(Game& g) {
  for (i32 i = 0; i < g.ItemCount; ++i) {
    if (g.ItemPhase[i] < 0) continue;
    if (Touches(g.Player.X, g.Player.Y, g.ItemX[i], g.ItemY[i])) {
      g.PlaySound("get1.wav");
      g.ItemPhase[i] = -1;
      g.ItemsLeft -= 1;
      continue;
    }
    // Two frames, four ticks each.
    DrawOpaque(g.FrameImage, g.SpriteSheet, 128 + 32 * (g.ItemPhase[i] / 4), 0, g.ItemX[i], g.ItemY[i]);
    g.ItemPhase[i] = (g.ItemPhase[i] + 1) % 8;
  }
}
