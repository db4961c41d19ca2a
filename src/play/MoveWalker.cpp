// The chaser and the wanderer: they share the walk, the jump and fall arc
// and the drawing, and differ in how they choose a way on a ladder.
#include "play/MoveWalker.h"

#include "play/EnemyArc.h"
#include "play/EnemySteps.h"
#include "stages/MapQueries.h"
#include "state/Geometry.h"

namespace {

// The chaser on a ladder column climbs toward the player's height, and at
// that height walks toward the player.
void ChooseChaserWay(Game& g, i32 i, i32& dx, i32& dy) {
  const i32 x = g.EnemyX[i];
  const i32 y = g.EnemyY[i];
  if (IsLadder(g, x, y, 0) == 1 && x % kCell == 0) {
    g.EnemyJumping[i] = 0;
    if (y < g.Player.Y) {
      dy = 4;
      dx = 0;
      g.EnemyDX[i] = 0;
    } else if (y > g.Player.Y) {
      dy = -4;
      dx = 0;
      g.EnemyDX[i] = 0;
    } else {
      dx = Sign(g.Player.X - x) * 4;
      g.EnemyDX[i] = dx;
    }
  } else if (g.EnemyDX[i] == 0) {
    g.EnemyDX[i] = Sign(g.Player.X - x) * 4;
  }
}

// The wanderer on a ladder column may step off sideways onto a floor beside
// it, else keeps climbing or picks a direction, never into the floor below.
void ChooseWandererWay(Game& g, i32 i, i32& dx, i32& dy) {
  const i32 x = g.EnemyX[i];
  const i32 y = g.EnemyY[i];
  const i32 lookDown = (g.EnemyDY[i] == 0 && g.Random(2) == 0) ? 1 : 0;
  if (IsLadder(g, x, y, lookDown) == 1 && x % kCell == 0) {
    g.EnemyJumping[i] = 0;
    if (y % kCell == 0 && g.Random(2) == 0) {
      const i32 d = RandomStep(g);
      if (HitsWallX(g, x + d, y + kCell, d) == 1 && IsOpenX(g, x + d, y, d) == 1) {
        dx = d;
        g.EnemyDX[i] = d;
        dy = 0;
        g.EnemyDY[i] = 0;
        return;
      }
    }
    if (g.EnemyDY[i] != 0) {
      dx = 0;
      dy = g.EnemyDY[i];
    } else {
      dy = RandomStep(g);
    }
    if (IsLadder(g, x, y, 0) == 0) dy = 4;
    if (HitsWallY(g, x, y + 1, 1) == 1) dy = -4;
    g.EnemyDY[i] = dy;
    dx = 0;
    g.EnemyDX[i] = 0;
  } else if (g.EnemyDX[i] == 0) {
    g.EnemyDX[i] = RandomStep(g);
  }
}

// Overlap avoidance may change this tick's steps; the walk-off test and the
// wanderer's memory of its climb use the changed ones.
void WalkOnGround(Game& g, i32 i, i32& dx, i32& dy, bool wanders) {
  i32& x = g.EnemyX[i];
  i32& y = g.EnemyY[i];
  if (AvoidOverlap(g, i, dx, dy)) g.EnemyDX[i] = dx;
  const i32 nx = StepOnGrid(x, dx);
  const i32 ny = StepOnGrid(y, dy);
  x = nx;
  y = ny;
  if (dy != 0) x = NearestCellStart(nx);
  if (dx != 0 && HitsWallX(g, x, y, dx) == 1) {
    x = FlushAgainstWall(x, dx);
    g.EnemyDX[i] = -dx;
  }
  if (dy != 0 && HitsWallY(g, x, y, dy) == 1) {
    y = FlushAgainstWall(y, dy);
    x += wanders ? RandomStep(g) : Sign(g.Player.X - x) * 4;
  }
}

// Walking left or right shows the walk frames of that side; climbing or
// standing shows the climbing frames, changing with the height.
void DrawWalker(Game& g, i32 i, i32 dx) {
  i32 sheetX = 128 + WalkPhase(g.EnemyY[i]);
  if (dx < 0) sheetX = WalkPhase(g.EnemyX[i]);
  if (dx > 0) sheetX = 64 + WalkPhase(g.EnemyX[i]);
  DrawEnemy(g, i, sheetX, 96);
}

void MoveWalker(Game& g, i32 i, bool wanders) {
  i32 dx = g.EnemyDX[i];
  i32 dy = 0;
  StartEnemyJump(g, i, dx);
  if (g.EnemyJumping[i] == 1) FollowEnemyArc(g, i);
  if (wanders) {
    ChooseWandererWay(g, i, dx, dy);
  } else {
    ChooseChaserWay(g, i, dx, dy);
  }
  if (g.EnemyJumping[i] == 0) WalkOnGround(g, i, dx, dy, wanders);
  StartEnemyWalkOff(g, i, dx, dy);
  KeepStepperInField(g, i, dx);
  DrawWalker(g, i, dx);
  if (wanders && dy == 0) g.EnemyDY[i] = 0;
}

}  // namespace

void MoveChaser(Game& g, i32 i) { MoveWalker(g, i, false); }

void MoveWanderer(Game& g, i32 i) { MoveWalker(g, i, true); }
