#include "play/Messages.h"

#include <cmath>

#include "drawing/DrawMoji.h"
#include "drawing/ShowRest.h"
#include "play/LifeState.h"
#include "state/Game.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0x0000FF;

}  // namespace

void DrawFrameMessages(Game& g) {
  if (g.PlayerState != kFellOut) return;
  if (g.Lives > 0) {
    DrawMoji(g, g.CRTImage, "MISS!", 2, 2, 200, 200, 25, kWhite, "Arial");
    g.PlayerState = kWaitingShown;
    ShowRest(g);
    g.MissFlag = 1;
  } else {
    DrawMoji(g, g.CRTImage, "GAME OVER", 2, 2, 230, 200, 25, kRed, "Arial");
  }
}

int ClearJumpSpeed(int y) {
  return static_cast<int>(std::lround(-std::sqrt(2.0 * std::fabs(static_cast<double>(y))) - 2.0));
}

void CheckClear(Game& g) {
  if (g.ItemsLeft > 0) return;
  DrawMoji(g, g.CRTImage, "- CLEAR!! -", 2, 3, 230, 200, 25, kRed, "Arial");
  if (g.ItemsLeft == 0) {
    g.PlayerState = ClearJumpSpeed(g.PlayerY);
    g.ItemsLeft = kClearJumpLaunched;
  }
}
