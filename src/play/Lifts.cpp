#include "play/Lifts.h"

#include "drawing/DrawSprite.h"
#include "stages/MapQueries.h"
#include "state/Game.h"
#include "state/Geometry.h"

namespace {

// Off the lift's exact position, so the character does not board again at
// once; to the left where the right would leave the field.
void PushOffLift(Game& g) {
  g.Player.X += g.Player.X + 4 > kMaxX ? -4 : 4;
  g.Player.OnLift = 0;
}

void MoveLift(Game& g, i32 i) {
  const bool carriesPlayer = g.Player.X == g.LiftX[i] && g.Player.Y + kCell == g.LiftY[i];
  if (carriesPlayer && g.Player.State == kInPlay) {
    g.LiftMoving[i] = 1;
    g.LiftSeen[i] = 1;
    g.Player.OnLift = 1;
  }
  if (g.LiftMoving[i] == 1) {
    g.LiftY[i] += 4 * g.LiftDir[i];
    if (carriesPlayer && g.Player.State == kInPlay) g.Player.Y += 4 * g.LiftDir[i];
    const Tile tile = Cell(g, g.LiftX[i] / kCell, g.LiftY[i] / kCell);
    if (g.LiftY[i] % kCell == 0 && IsShaftEndTile(tile)) {
      if (tile == Tile::ShaftTop) g.LiftDir[i] = 1;
      if (tile == Tile::ShaftBottom) g.LiftDir[i] = -1;
      g.LiftMoving[i] = 0;
      if (carriesPlayer) PushOffLift(g);
    }
  }
  if (g.LiftSeen[i] == 1) {
    DrawMasked(g.FrameImage, g.SpriteSheet, 288, 160, 288, 192, g.LiftX[i], g.LiftY[i]);
  }
}

}  // namespace

void MoveLifts(Game& g) {
  for (i32 i = 0; i < g.LiftCount; ++i) MoveLift(g, i);
}
