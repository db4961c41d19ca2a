#pragma once

#include "stages/MapQueries.h"
#include "state/Game.h"
#include "state/Geometry.h"

// The moves the one-player character and both racers make alike. The
// frame's steps are PlayerDX and PlayerDY in both modes.

// Where a jump or fall began and its sideways step a frame.
struct ArcStart {
  i32 X, Y, DX;
};

// One frame along the arc, tick counting its frames; true when it met the
// ground, a wall or a ceiling. PlayerDY is 0 afterwards.
bool FollowArc(Game& g, i32& x, i32& y, i32& tick, const ArcStart& start);

// Walking and climbing by PlayerDX and PlayerDY; the wall or ceiling bumped
// into is handed to uncover(x, y).
template <typename Uncover>
void MoveOnGround(Game& g, i32& x, i32& y, Uncover uncover) {
  x = Trunc4(x + g.PlayerDX);
  y = Trunc4(y + g.PlayerDY);
  if (g.PlayerDY != 0) x = NearestCellStart(x);
  if (g.PlayerDX != 0 && HitsWallX(g, x, y, g.PlayerDX) == 1) {
    x = FlushAgainstWall(x, g.PlayerDX);
    uncover(x + kCell * Sign(g.PlayerDX), y);
    // A wall in the character's own column (the floor under a ladder's foot)
    // pushes it a cell on; past the right edge no floor would hold it.
    if (x > kMaxX) x = kMaxX;
  }
  if (g.PlayerDY != 0 && HitsWallY(g, x, y, g.PlayerDY) == 1) {
    y = FlushAgainstWall(y, g.PlayerDY);
    uncover(x, y + kCell * Sign(g.PlayerDY));
  }
}
