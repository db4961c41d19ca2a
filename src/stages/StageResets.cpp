#include "stages/StageResets.h"

#include "state/Game.h"

void ResetCharactersForStage(Game& g) {
  g.ItemsLeft = g.ItemCount;
  g.Player.State = kInPlay;
  g.Player.OnLift = 0;
  g.Player.Jumping = 0;
  g.StartX = g.Player.X;
  g.StartY = g.Player.Y;
  g.Duo[0].X = 72;
  g.Duo[1].X = 456;
  g.Duo[0].Y = 432;
  g.Duo[1].Y = 432;
  for (i32 k = 0; k < 2; ++k) {
    g.DuoItemsLeft[k] = g.ItemsLeft;
    g.Duo[k].State = kInPlay;
    g.Duo[k].OnLift = 0;
    g.Duo[k].Jumping = 0;
  }
}

void ResetRevealed(Game& g) {
  for (i32 c = 0; c <= 22; ++c) {
    for (i32 r = 0; r <= 19; ++r) g.Revealed[c][r] = 0;
  }
  g.RevealCount = 0;
  g.MissFlag = 0;
}
