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
  g.Player.State = kFellOut;
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
    g.Player.X = g.StartX;
    g.Player.Y = g.StartY;
    g.Player.Jumping = 0;
    g.Player.OnLift = 0;
  } else {
    g.Lives = -g.Lives;
    StopMusic(g);
    StartStage(g);
    g.MissFlag = 1;
  }
}

void DrawCharacterOutOfPlay(Game& g) {
  const i32 x = g.Player.X;
  const i32 y = g.Player.Y;
  if (g.Player.State > kWaitingShown) {
    const i32 sheetX = g.Player.State < 0 ? 192 + 32 * (std::abs(g.Player.State) % 2)
                                         : 256 + 32 * (g.Player.State % 2);
    DrawMasked(g.FrameImage, g.SpriteSheet, sheetX, 96, sheetX, 128, x, y);
    return;
  }
  if (g.Player.State == kWaitingShown) {
    DrawMasked(g.FrameImage, g.SpriteSheet, 32, 32, 32, 64, x, y);
  } else {
    DrawOpaque(g.FrameImage, g.SpriteSheet, 64, 0, x, y);
  }
  g.Player.State = g.Player.State == kWaitingShown ? kWaitingHidden : kWaitingShown;
  if (g.KeyLeft + g.KeyRight + g.KeyUp + g.KeyDown + g.KeySpace > 0) g.Player.State = kInPlay;
}

}  // namespace

void LifeStateStep(Game& g) {
  if (g.Player.State > kWaitingShown) {
    g.Player.Y += g.Player.State;
    g.Player.State += 1;
    if (g.Player.State == kInPlay) g.Player.State = 1;  // the speed skips 0, which means in play
  }
  g.FrameImage.Blit(g.UncoveredImage, 0, 0);
  if (g.Player.Y < 0 && g.Player.State <= 0) {
    LeaveClearedStage(g);
    return;
  }
  if (g.Player.Y > kFallOutY) {
    FallOut(g);
    return;
  }
  DrawCharacterOutOfPlay(g);
}
