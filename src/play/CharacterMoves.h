#pragma once

#include "stages/MapQueries.h"
#include "state/Game.h"
#include "state/Geometry.h"

// The two moves under every character step: along an arc, and on the ground
// or a ladder. The arc's shape is the one the walking enemies follow too.

// One frame along the character's arc; true when it met the ground, a wall
// or a ceiling. DY is 0 afterwards.
bool FollowArc(const Game& g, Character& c);

// Walking and climbing by DX and DY; the wall or ceiling bumped into is
// handed to uncover(x, y).
template <typename Uncover>
void MoveOnGround(const Game& g, Character& c, Uncover uncover) {
  c.X = Trunc4(c.X + c.DX);
  c.Y = Trunc4(c.Y + c.DY);
  if (c.DY != 0) c.X = NearestCellStart(c.X);
  if (c.DX != 0 && HitsWallX(g, c.X, c.Y, c.DX) == 1) {
    c.X = FlushAgainstWall(c.X, c.DX);
    uncover(c.X + kCell * Sign(c.DX), c.Y);
    // A wall in the character's own column (the floor under a ladder's foot)
    // pushes it a cell on; past the right edge no floor would hold it.
    if (c.X > kMaxX) c.X = kMaxX;
  }
  if (c.DY != 0 && HitsWallY(g, c.X, c.Y, c.DY) == 1) {
    c.Y = FlushAgainstWall(c.Y, c.DY);
    uncover(c.X, c.Y + kCell * Sign(c.DY));
  }
}
