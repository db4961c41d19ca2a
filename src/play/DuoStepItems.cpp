#include "play/DuoStepItems.h"

#include "drawing/DrawSprite.h"
#include "play/Touches.h"

namespace {

// ItemPhase = 8 x group + animation phase; group 1 or 2 says which player
// has touched the item already, -1 is gone.
constexpr i32 kGone = -1;
constexpr i32 kBothTouched = 24;

void CountTouches(Game& g, int k, i32 group) {
  for (int j = 0; j < 2; ++j) {
    if (!Touches(g.Duo[j].X, g.Duo[j].Y, g.ItemX[k], g.ItemY[k]) || group == j + 1) continue;
    g.PlaySound("get1.wav");
    g.ItemPhase[k] += 8 * (j + 1);
    if (g.ItemPhase[k] >= kBothTouched) g.ItemPhase[k] = kGone;
    g.DuoItemsLeft[j] -= 1;
  }
}

}  // namespace

void DrawAndTouchDuoItems(Game& g) {
  for (int k = 0; k < g.ItemCount; ++k) {
    if (g.ItemPhase[k] < 0) continue;
    const i32 group = g.ItemPhase[k] / 8;
    const i32 a = g.ItemPhase[k] % 8;
    DrawOpaque(g.FrameImage, g.DuoSpriteSheet, 96 + 32 * (a / 4), 64 + 32 * group, g.ItemX[k],
               g.ItemY[k]);
    g.ItemPhase[k] = 8 * group + (a + 1) % 8;
    CountTouches(g, k, group);
  }
}
