#include "play/MoveEnemy.h"

#include "play/MoveBouncer.h"
#include "play/MoveClimber.h"
#include "play/MoveSlopeWalker.h"
#include "play/MoveWalker.h"
#include "state/Game.h"

namespace {

// Below this an enemy has dropped out of the field for good.
constexpr i32 kGoneBelowY = 960;

}  // namespace

void MoveEnemy(Game& g, i32 i) {
  if (g.EnemyY[i] > kGoneBelowY) return;
  switch (g.EnemyKind[i]) {
    case EnemyKind::Climber: MoveClimber(g, i); break;
    case EnemyKind::Bouncer: MoveBouncer(g, i); break;
    case EnemyKind::SlopeWalker: MoveSlopeWalker(g, i); break;
    case EnemyKind::Wanderer: MoveWanderer(g, i); break;
    default: MoveChaser(g, i); break;
  }
}
