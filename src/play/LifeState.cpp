#include "play/LifeState.h"

#include <cstdlib>

#include "drawing/DrawSprite.h"
#include "play/Tunes.h"
#include "stages/StartStage.h"
#include "state/Game.h"

namespace {

// Below the bottom of the field.
constexpr i32 kFallOutY = 481;

void LeaveClearedStage(Game& g) {
  g.Timer1.SetEnabled(false);
  PlayTuneOnce(g, "clear.mid");
  g.ClearTimer.SetEnabled(true);
}

// A negative Lives is a pending restart: it moves toward 0 like a positive
// count, and rebuilds the stage instead of putting the character back.
void FallOut(Game& g) {
  g.PlayerState = kFellOut;
  if (g.Lives > 0) {
    g.Lives -= 1;
  } else {
    g.Lives += 1;
  }
  if (g.Lives == 0) {
    g.Timer1.SetEnabled(false);
    PlayTuneOnce(g, "over.mid");
    g.Timer2.SetEnabled(true);
  } else if (g.Lives > 0) {
    g.PlayerX = g.StartX;
    g.PlayerY = g.StartY;
    g.Jumping = 0;
    g.OnLift = 0;
  } else {
    g.Lives = -g.Lives;
    StopMusic(g);
    StartStage(g);
    g.MissFlag = 1;
  }
}

void DrawCharacterOutOfPlay(Game& g) {
  const i32 x = g.PlayerX;
  const i32 y = g.PlayerY;
  if (g.PlayerState > kWaitingShown) {
    const i32 sheetX = g.PlayerState < 0 ? 192 + 32 * (std::abs(g.PlayerState) % 2)
                                         : 256 + 32 * (g.PlayerState % 2);
    DrawMasked(g.BuffImage, g.ChrImage, sheetX, 96, sheetX, 128, x, y);
    return;
  }
  if (g.PlayerState == kWaitingShown) {
    DrawMasked(g.BuffImage, g.ChrImage, 32, 32, 32, 64, x, y);
  } else {
    DrawOpaque(g.BuffImage, g.ChrImage, 64, 0, x, y);
  }
  g.PlayerState = g.PlayerState == kWaitingShown ? kWaitingHidden : kWaitingShown;
  if (g.KeyLeft + g.KeyRight + g.KeyUp + g.KeyDown + g.KeySpace > 0) g.PlayerState = kInPlay;
}

}  // namespace

void LifeStateStep(Game& g) {
  if (g.PlayerState > kWaitingShown) {
    g.PlayerY += g.PlayerState;
    g.PlayerState += 1;
    if (g.PlayerState == kInPlay) g.PlayerState = 1;  // the speed skips 0, which means in play
  }
  g.BuffImage.Blit(g.SightImage, 0, 0);
  if (g.PlayerY < 0 && g.PlayerState <= 0) {
    LeaveClearedStage(g);
    return;
  }
  if (g.PlayerY > kFallOutY) {
    FallOut(g);
    return;
  }
  DrawCharacterOutOfPlay(g);
}
