#include "play/EnemyArc.h"

#include "stages/MapQueries.h"
#include "state/Geometry.h"

void StartEnemyJump(Game& g, i32 i, i32 dx) {
  const i32 x = g.EnemyX[i];
  const i32 y = g.EnemyY[i];
  if (g.EnemyJumping[i] != 0 || dx == 0) return;
  if (IsOpenX(g, x + dx, y + kCell, dx) == 0) return;
  if (HitsWallY(g, x, y - 1, -1) == 1 || IsLadder(g, x, y, 1) == 1) return;
  g.EnemyJumping[i] = 1;
  g.EnemyJumpDX[i] = dx;
  g.EnemyJumpTick[i] = 0;
  g.EnemyJumpX[i] = x;
  g.EnemyJumpY[i] = y;
}

void FollowEnemyArc(Game& g, i32 i) {
  i32& x = g.EnemyX[i];
  i32& y = g.EnemyY[i];
  g.EnemyJumpTick[i] += 1;
  x = g.EnemyJumpX[i] + g.EnemyJumpDX[i] * g.EnemyJumpTick[i];
  const i32 step = FollowArcHeight(y, ArcTarget(g.EnemyJumpY[i], g.EnemyJumpTick[i]));
  if (MustFall(g, x, y) == 0) {
    y = CellStart(y);
    g.EnemyJumping[i] = 0;
  }
  if (g.EnemyJumpDX[i] != 0 && HitsWallX(g, x, y, g.EnemyJumpDX[i]) == 1) {
    x = FlushAgainstWall(x, g.EnemyJumpDX[i]);
    g.EnemyJumping[i] = 0;
  }
  if (HitsWallY(g, x, y, step) == 1) {
    y = FlushAgainstWall(y, step);
    g.EnemyJumping[i] = 0;
  }
}

void StartEnemyWalkOff(Game& g, i32 i, i32 dx, i32 dy) {
  const i32 x = g.EnemyX[i];
  const i32 y = g.EnemyY[i];
  if (IsLadder(g, x, y, dy) == 1 || MustFall(g, x, y) == 0 || g.EnemyJumping[i] != 0) return;
  g.EnemyJumping[i] = 1;
  g.EnemyJumpDX[i] = dx;
  g.EnemyJumpTick[i] = 8;
  g.EnemyJumpX[i] = x - 8 * dx;
  g.EnemyJumpY[i] = y + kCell;
}
