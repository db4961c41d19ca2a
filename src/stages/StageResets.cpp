#include "stages/StageResets.h"

#include "state/Game.h"

void ResetCharactersForStage(Game& g) {
  g.ItemsLeft = g.ItemCount;
  g.PlayerState = kInPlay;
  g.OnLift = 0;
  g.Jumping = 0;
  g.StartX = g.PlayerX;
  g.StartY = g.PlayerY;
  g.DuoX[0] = 72;
  g.DuoX[1] = 456;
  g.DuoY[0] = 432;
  g.DuoY[1] = 432;
  for (i32 k = 0; k < 2; ++k) {
    g.DuoItemsLeft[k] = g.ItemsLeft;
    g.DuoState[k] = kInPlay;
    g.DuoOnLift[k] = 0;
    g.DuoJumping[k] = 0;
  }
}

void ResetRevealed(Game& g) {
  for (i32 c = 0; c <= 22; ++c) {
    for (i32 r = 0; r <= 19; ++r) g.Revealed[c][r] = 0;
  }
  g.RevealCount = 0;
  g.MissFlag = 0;
}
