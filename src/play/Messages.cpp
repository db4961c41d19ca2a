#include "play/Messages.h"

#include <cmath>

#include "drawing/ShowLives.h"
#include "drawing/TextLine.h"
#include "play/LifeState.h"
#include "state/Game.h"

void DrawFrameMessages(Game& g) {
  if (g.Player.State != kFellOut) return;
  if (g.Lives > 0) {
    DrawTextLine(g, g.ShownField, "MISS!", 200, 200, text_style::kBanner);
    g.Player.State = kWaitingShown;
    ShowLives(g);
    g.MissFlag = 1;
  } else {
    DrawTextLine(g, g.ShownField, "GAME OVER", 230, 200, text_style::kBanner.In(text_colour::kRed));
  }
}

int ClearJumpSpeed(int y) {
  return static_cast<int>(std::lround(-std::sqrt(2.0 * std::fabs(static_cast<double>(y))) - 2.0));
}

void CheckClear(Game& g) {
  if (g.ItemsLeft > 0) return;
  DrawTextLine(g, g.ShownField, "- CLEAR!! -", 230, 200, text_style::kClearBanner);
  if (g.ItemsLeft == 0) {
    g.Player.State = ClearJumpSpeed(g.Player.Y);
    g.ItemsLeft = kClearJumpLaunched;
  }
}
