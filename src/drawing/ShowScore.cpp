#include "drawing/ShowScore.h"

#include <cstdint>
#include <string>

#include "state/Game.h"

namespace {

// The value of a full bar.
constexpr std::int64_t kFullBar = 15000;

// Black, then a bar from the left edge as long as value is of a full bar;
// a longer bar is clipped at the display's edge.
void DrawBar(Surface& display, i32 value, std::uint32_t colorRef) {
  display.FillWhole(kBlack);
  const std::int64_t length = display.Width() * static_cast<std::int64_t>(value) / kFullBar;
  const int right = length > display.Width() ? display.Width() : static_cast<int>(length);
  display.Fill(0, 0, right, display.Height() - 1, FromColorRef(colorRef));
}

}  // namespace

void ShowScore(Game& g) {
  DrawBar(g.ScoreBar, g.Score, 0xFF0000);
  g.ScoreBox = std::to_string(g.Score);
  if (g.Score > g.HiScore) g.HiScore = g.Score;
  DrawBar(g.HiScoreBar, g.HiScore, 0x0000FF);
  g.HiScoreBox = std::to_string(g.HiScore);
}
