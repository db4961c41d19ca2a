#include "play/SoloStep.h"

#include "play/Items.h"
#include "play/LifeState.h"
#include "play/Lifts.h"
#include "play/Messages.h"
#include "play/Misses.h"
#include "play/MoveEnemy.h"
#include "play/PlayStep.h"
#include "state/Game.h"

void SoloStep(Game& g) {
  const i32 savedX = g.Player.X;
  const i32 savedY = g.Player.Y;
  if (g.Player.State != kInPlay) {
    LifeStateStep(g);
  } else {
    PlayStep(g, savedX, savedY);
  }
  MoveLifts(g);
  CollectAndDrawItems(g);
  for (i32 i = 0; i < g.EnemyCount; ++i) MoveEnemy(g, i);
  DetectMisses(g);
  g.ShownField.Blit(g.FrameImage, 0, 0);
  DrawFrameMessages(g);
  CheckClear(g);
  g.RepaintField();
}
