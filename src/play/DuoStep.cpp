#include "play/DuoStep.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "drawing/DrawSprite.h"
#include "drawing/TextLine.h"
#include "play/DuoStepItems.h"
#include "play/DuoStepMove.h"
#include "stages/MapQueries.h"

namespace {

bool InPlay(const Game& g, int i) { return g.Duo[i].State == kInPlay; }

// The walking, jumping or climbing figure of a player in play.
i32 FigureColumn(const Game& g, int i) {
  const i32 x = g.Duo[i].X;
  const i32 y = g.Duo[i].Y;
  i32 f = (x % 32) / 8;
  if (f == 3) f = 1;
  i32 d = g.Duo[i].DX < 0 ? 1 : 0;
  i32 column = 96 * d + 32 * f;
  if (g.Duo[i].Jumping != 0) {
    d = g.Duo[i].JumpDX < 0 ? 1 : 0;
    column = g.Duo[i].JumpTick < 7 ? 96 * d : 192 + 32 * d;
  }
  if (HitsWallY(g, x, y, 1) == 0 && IsLadder(g, x, y, 0) == 1) column = 256 + 32 * ((y % 16) / 8);
  return column;
}

void DrawPlayersInPlay(Game& g) {
  for (int i = 0; i < 2; ++i) {
    if (!InPlay(g, i)) continue;
    const i32 x = FigureColumn(g, i);
    DrawMasked(g.FrameImage, g.SpriteSheet, x, 32, x, 64, g.Duo[i].X, g.Duo[i].Y);
  }
}

// Spikes under a player in play start the hop that drops it out of the field.
void CheckSpikes(Game& g) {
  for (int i = 0; i < 2; ++i) {
    if (InPlay(g, i) && IsOnSpikes(g, g.Duo[i].X, g.Duo[i].Y) == 1) {
      g.PlaySound("miss1.wav");
      g.Duo[i].State = kMissHop;
    }
  }
}

// A player gone off the top has won; one gone off the bottom has lost. When
// both are gone, player 2's state decides.
void AnnounceWinner(Game& g) {
  i32 w = 0;
  for (int i = 0; i < 2; ++i) {
    if (g.Duo[i].State <= kDuoFirstWins) w = g.Duo[i].State;
  }
  if (w == 0) return;
  // kDuoFirstWins names player 1, kDuoSecondWins player 2.
  DrawTextLine(g, g.ShownField, "PLAYER-" + std::to_string(kDuoFirstWins - w + 1) + " Won!", 200, 200, text_style::kBanner);
  g.Timer1.SetEnabled(false);
  g.Timer2.SetEnabled(true);
}

// A player with every item touched flies up, never slower than 2 pixels a
// frame, until it leaves the top of the field.
void LaunchFinishers(Game& g) {
  for (int i = 0; i < 2; ++i) {
    if (g.DuoItemsLeft[i] == 0) {
      g.Duo[i].State = static_cast<i32>(std::lround(-std::sqrt(std::abs(g.Duo[i].Y)) - 2.0));
    }
  }
}

}  // namespace

void DuoStep(Game& g) {
  g.FrameImage.Blit(g.UncoveredImage, 0, 0);
  MoveDuoPlayer(g, 0);
  MoveDuoPlayer(g, 1);
  // With both players in play the cells just uncovered show at once; a
  // rising or falling figure was drawn over the first copy and stays.
  if (InPlay(g, 0) && InPlay(g, 1)) g.FrameImage.Blit(g.UncoveredImage, 0, 0);
  DrawPlayersInPlay(g);
  DrawAndTouchDuoItems(g);
  CheckSpikes(g);
  g.ShownField.Blit(g.FrameImage, 0, 0);
  AnnounceWinner(g);
  LaunchFinishers(g);
  g.RepaintField();
}
