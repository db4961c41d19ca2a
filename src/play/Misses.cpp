#include "play/Misses.h"

#include "play/Touches.h"
#include "stages/MapQueries.h"
#include "state/Game.h"

namespace {

// At or above this height a touch drops the character without a hop.
constexpr i32 kHopCeiling = 24;

}  // namespace

void DetectMisses(Game& g) {
  if (g.Player.State != kInPlay) return;
  if (IsOnSpikes(g, g.Player.X, g.Player.Y) == 1) {
    g.PlaySound("miss1.wav");
    g.Player.State = kMissHop;
  }
  for (i32 i = 0; i < g.EnemyCount; ++i) {
    if (!Touches(g.Player.X, g.Player.Y, g.EnemyX[i], g.EnemyY[i])) continue;
    g.PlaySound("miss1.wav");
    g.Player.State = g.Player.Y > kHopCeiling ? kMissHop : kMissDrop;
  }
}
