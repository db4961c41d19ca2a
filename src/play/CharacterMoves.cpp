#include "play/CharacterMoves.h"

bool FollowArc(const Game& g, Character& c) {
  c.JumpTick += 1;
  c.X = c.JumpX + c.JumpDX * c.JumpTick;
  c.DY = FollowArcHeight(c.Y, ArcTarget(c.JumpY, c.JumpTick));
  bool landed = false;
  if (MustFall(g, c.X, c.Y) == 0) {
    c.Y = CellStart(c.Y);
    landed = true;
  }
  if (c.JumpDX != 0 && HitsWallX(g, c.X, c.Y, c.JumpDX) == 1) {
    c.X = FlushAgainstWall(c.X, c.JumpDX);
    landed = true;
  }
  if (HitsWallY(g, c.X, c.Y, c.DY) == 1) {
    c.Y = FlushAgainstWall(c.Y, c.DY);
    landed = true;
  }
  c.DY = 0;
  return landed;
}
