#include "play/MoveBouncer.h"

#include <cstdlib>

#include "play/EnemySteps.h"
#include "stages/MapQueries.h"
#include "state/Geometry.h"

namespace {

constexpr i32 kMaxY = 480;

}  // namespace

void MoveBouncer(Game& g, i32 i) {
  const i32 x = g.EnemyX[i];
  const i32 y = g.EnemyY[i];
  i32 dx = g.EnemyDX[i];
  i32 dy = g.EnemyDY[i];
  i32 nx = x + 4 * dx;
  i32 ny = y + 4 * dy;

  const i32 bounce = BounceCheck(g, nx, ny, dx, dy);
  if (bounce >= 2) {
    nx = dx < 0 ? (nx + 23) / kCell * kCell : CellStart(nx);
    ny = y + std::abs(nx - x) * dy;
    dx = -dx;
  }
  if (bounce % 2 == 1) {
    const i32 c = dy < 0 ? (ny + 23) / kCell * kCell : CellStart(ny);
    nx -= std::abs(ny - c) * g.EnemyDX[i];
    ny = c;
    dy = -dy;
  }

  if (nx > kMaxX) {
    nx = kMaxX;
    dx = -1;
  }
  if (nx < 0) {
    nx = 0;
    dx = 1;
  }
  if (ny > kMaxY) {
    ny = kMaxY;
    dy = -1;
  }
  if (ny < 0) {
    ny = 0;
    dy = 1;
  }

  // Stuck in a corner: after three still ticks it reverses, after that it
  // jitters until it gets free.
  if (nx == x && ny == y) {
    g.EnemyJumping[i] += 1;
    if (g.EnemyJumping[i] > 3) {
      nx += (g.Random(3) - 1) * 4;
      ny += (g.Random(3) - 1) * 4;
    }
    if (g.EnemyJumping[i] == 3) {
      dx = -dx;
      dy = -dy;
    }
  } else {
    g.EnemyJumping[i] = 0;
  }

  g.EnemyX[i] = nx;
  g.EnemyY[i] = ny;
  g.EnemyDX[i] = dx;
  g.EnemyDY[i] = dy;
  DrawEnemy(g, i, 64, 160);
}
