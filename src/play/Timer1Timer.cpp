#include "play/Timer1Timer.h"

#include "play/DuoStep.h"
#include "play/SoloStep.h"
#include "state/Game.h"

void Timer1Timer(Game& g) {
  if (g.Paused == 1) return;
  if (g.PlayMode == PlayMode::TwoPlayer) {
    DuoStep(g);
  } else {
    SoloStep(g);
  }
}
