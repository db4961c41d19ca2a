#include "play/MoveClimber.h"

#include "play/EnemySteps.h"
#include "stages/MapQueries.h"
#include "state/Geometry.h"

void MoveClimber(Game& g, i32 i) {
  i32& x = g.EnemyX[i];
  i32& y = g.EnemyY[i];
  i32 dx = g.EnemyDX[i];
  i32 dy = g.EnemyDY[i];

  // At the foot or on a rung of a ladder it may start up or down, or walk on.
  if (IsLadder(g, x, y, 1) == 1 && x % kCell == 0 && dy == 0) {
    dy = (g.Random(3) - 1) * 4;
    if (dy != 0) dx = 0;
  } else if (dx == 0 && dy == 0) {
    dx = RandomStep(g);
  }

  i32 nx = StepOnGrid(x, dx);
  i32 ny = StepOnGrid(y, dy);
  if (dy != 0 && IsLadder(g, nx, ny, 1) == 0) {
    // The ladder ends: walk off it instead.
    dx = RandomStep(g);
    dy = 0;
    nx = StepOnGrid(x, dx);
    ny = y;
  }
  if (AvoidOverlap(g, i, dx, dy)) {
    nx = StepOnGrid(x, dx);
    ny = StepOnGrid(y, dy);
  }
  x = nx;
  y = ny;
  if (dy != 0) x = NearestCellStart(nx);

  // It never falls: a wall or an edge ahead turns it round.
  if (dx != 0 && (HitsWallX(g, x, y, dx) == 1 || IsOpenX(g, x, y + 1, dx) == 1)) {
    x = FlushAgainstWall(x, dx);
    dx = -dx;
  }
  if (dy != 0 && HitsWallY(g, x, y, dy) == 1) {
    y = FlushAgainstWall(y, dy);
    dx = RandomStep(g);
    dy = 0;
    x += dx;
  }

  KeepStepperInField(g, i, dx);
  g.EnemyDX[i] = dx;
  g.EnemyDY[i] = dy;
  DrawEnemy(g, i, WalkPhase(x), 160);
}
