#include "play/PlayFrameTick.h"

#include "play/DuoStep.h"
#include "play/SoloStep.h"
#include "state/Game.h"

void PlayFrameTick(Game& g) {
  if (g.Paused == 1) return;
  if (g.PlayMode == PlayMode::TwoPlayer) {
    DuoStep(g);
  } else {
    SoloStep(g);
  }
}
