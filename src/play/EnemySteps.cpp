#include "play/EnemySteps.h"

#include "drawing/DrawSprite.h"
#include "stages/MapQueries.h"
#include "state/Geometry.h"

i32 RandomStep(Game& g) { return g.Random(2) * 8 - 4; }

bool AvoidOverlap(Game& g, i32 i, i32& dx, i32& dy) {
  const i32 k = EnemyOverlap(g, i);
  if (k <= 0) return false;
  const i32 j = k - 1;
  if (dx != 0) dx = -Sign(g.EnemyX[j] - g.EnemyX[i]) * 4;
  if (dy != 0) dy = -Sign(g.EnemyY[j] - g.EnemyY[i]) * 4;
  if (dx == 0 && dy == 0) dx = RandomStep(g);
  return true;
}

void KeepStepperInField(Game& g, i32 i, i32& dx) {
  if (g.EnemyX[i] > kMaxX) {
    g.EnemyX[i] = kMaxX;
    dx = -4;
    g.EnemyDX[i] = dx;
    g.EnemyJumping[i] = 0;
  }
  if (g.EnemyX[i] < 0) {
    g.EnemyX[i] = 0;
    dx = 4;
    g.EnemyDX[i] = dx;
    g.EnemyJumping[i] = 0;
  }
}

void DrawEnemy(Game& g, i32 i, i32 sheetX, i32 maskY) {
  DrawMasked(g.FrameImage, g.SpriteSheet, sheetX, maskY, sheetX, maskY + 32, g.EnemyX[i], g.EnemyY[i]);
}
