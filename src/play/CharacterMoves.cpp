#include "play/CharacterMoves.h"

bool FollowArc(Game& g, i32& x, i32& y, i32& tick, const ArcStart& start) {
  tick += 1;
  x = start.X + start.DX * tick;
  g.PlayerDY = FollowArcHeight(y, ArcTarget(start.Y, tick));
  bool landed = false;
  if (MustFall(g, x, y) == 0) {
    y = CellStart(y);
    landed = true;
  }
  if (start.DX != 0 && HitsWallX(g, x, y, start.DX) == 1) {
    x = FlushAgainstWall(x, start.DX);
    landed = true;
  }
  if (HitsWallY(g, x, y, g.PlayerDY) == 1) {
    y = FlushAgainstWall(y, g.PlayerDY);
    landed = true;
  }
  g.PlayerDY = 0;
  return landed;
}
