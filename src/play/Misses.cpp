#include "play/Misses.h"

#include "play/Touches.h"
#include "stages/MapQueries.h"
#include "state/Game.h"

namespace {

// At or above this height a touch drops the character without a hop.
constexpr i32 kHopCeiling = 24;

}  // namespace

void DetectMisses(Game& g) {
  if (g.PlayerState != kInPlay) return;
  if (IsOnSpikes(g, g.PlayerX, g.PlayerY) == 1) {
    g.PlaySound("miss1.wav");
    g.PlayerState = kMissHop;
  }
  for (i32 i = 0; i < g.EnemyCount; ++i) {
    if (!Touches(g.PlayerX, g.PlayerY, g.EnemyX[i], g.EnemyY[i])) continue;
    g.PlaySound("miss1.wav");
    g.PlayerState = g.PlayerY > kHopCeiling ? kMissHop : kMissDrop;
  }
}
