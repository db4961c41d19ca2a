#include "play/MoveSlopeWalker.h"

#include <cstdlib>

#include "play/EnemySteps.h"
#include "stages/MapQueries.h"
#include "state/Geometry.h"

namespace {

// Ticks of keeping to a choice made at a fork.
constexpr i32 kWalkPastTicks = 7;
constexpr i32 kLongRampTicks = -13;
constexpr i32 kShortRampTicks = -7;

// At a fork cell (negative slope code) it chooses between the ramp and the
// flat. Heading down the ramp it walks past while level with the ramp's row,
// and takes the ramp otherwise. Returns the slope to follow (0 or negative:
// walk flat) and updates the commitment counter n.
i32 ChooseAtFork(Game& g, i32 s, i32 dx, i32 y, i32& n) {
  i32 c = g.Random(2);
  const i32 d = std::abs(s);
  const bool headingDown = (d / 100 == 1 && dx == -1) || (d / 100 == 2 && dx == 1);
  if (headingDown) c = (y / kCell == d % 100) ? 1 : 2;
  if (c == 0) {
    n = kLongRampTicks;
    return d;
  }
  if (c == 2) {
    n = kShortRampTicks;
    return d;
  }
  n = kWalkPastTicks;
  return s;
}

}  // namespace

void MoveSlopeWalker(Game& g, i32 i) {
  const i32 x0 = g.EnemyX[i];
  const i32 y0 = g.EnemyY[i];
  i32 dx = g.EnemyDX[i];
  i32 n = g.EnemyDY[i];

  i32 s = SlopeAt(g, x0, y0);
  if (n > 0) {
    s = 0;
    n -= 1;
  } else if (n < 0) {
    s = std::abs(s);
    n += 1;
  } else if (s < 0) {
    s = ChooseAtFork(g, s, dx, y0, n);
  }

  i32 x = 0;
  i32 y = 0;
  i32 sheetX = 0;
  if (s > 0) {
    const i32 row = s % 100;
    if (s / 100 == 1) {
      // Ramp rising to the right.
      y = (row - 1) * kCell + (kCell - x0 % kCell) % kCell + 6;
      if (dx > 0) {
        x = x0 + 2;
        y -= 2;
        sheetX = 192;
      } else {
        x = x0 - 4;
        y += 4;
        sheetX = 256;
      }
    } else {
      // Ramp rising to the left.
      y = (row - 1) * kCell + x0 % kCell + 6;
      if (dx < 0) {
        x = x0 - 2;
        y -= 2;
        sheetX = 160;
      } else {
        x = x0 + 4;
        y += 4;
        sheetX = 224;
      }
    }
  } else {
    // Flat ground: an edge ahead turns it, a wall does not.
    x = (x0 + 4 * dx) / 4 * 4;
    y = NearestCellStart(y0);
    if (IsOpenX(g, x, y + 1, dx) == 1) {
      x = FlushAgainstWall(x, dx);
      dx = -dx;
    }
  }

  if (x > kMaxX) {
    x = kMaxX;
    dx = -1;
  }
  if (x < 0) {
    x = 0;
    dx = 1;
  }
  if (s <= 0) sheetX = dx < 0 ? 96 : 128;

  g.EnemyX[i] = x;
  g.EnemyY[i] = y;
  g.EnemyDX[i] = dx;
  g.EnemyDY[i] = n;
  DrawEnemy(g, i, sheetX, 192);
}
