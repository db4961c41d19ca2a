#include "play/PlayerSprite.h"

#include "drawing/DrawSprite.h"
#include "stages/MapQueries.h"
#include "state/Game.h"

namespace {

// Sheet x of the pose; masks are at y 32, pictures at y 64.
i32 PoseColumn(const Game& g) {
  const i32 x = g.Player.X;
  const i32 y = g.Player.Y;
  if (HitsWallY(g, x, y, 1) == 0 && IsLadder(g, x, y, 0) == 1) return 256 + 32 * ((y % 16) / 8);
  if (g.Player.Jumping == 1) {
    const i32 facing = g.Player.JumpDX < 0 ? 1 : 0;
    return g.Player.JumpTick < 7 ? 96 * facing : 192 + 32 * facing;
  }
  // Walk frames run 0, 1, 2, 1 as the character advances 8 pixels at a time.
  i32 frame = (x % 32) / 8;
  if (frame == 3) frame = 1;
  const i32 facing = g.Player.DX < 0 ? 1 : 0;
  return 96 * facing + 32 * frame;
}

}  // namespace

void DrawPlayer(Game& g) {
  const i32 sheetX = PoseColumn(g);
  DrawMasked(g.FrameImage, g.SpriteSheet, sheetX, 32, sheetX, 64, g.Player.X, g.Player.Y);
}
