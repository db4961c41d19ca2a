#include "screens/TitleFigures.h"

#include <algorithm>
#include <cstdint>

#include "state/Game.h"

namespace {

struct FigureRow {
  int EvenX, EvenY;  // sheet cell of the figure on even ticks
  int OddX, OddY;    // and on odd ticks
  bool FromLeft;
  std::uint32_t ColorRef;
};

// Row 0 the hooded walker, row 1 the green creature, row 2 the spark, row 3
// the car.
constexpr FigureRow kRows[4] = {
    {64, 128, 96, 128, true, 0xFFFF00},
    {0, 192, 32, 192, false, 0x008080},
    {64, 192, 64, 192, true, 0x00FFFF},
    {0, 224, 0, 224, false, 0x0000FF},
};
constexpr int kFigures = 21;
constexpr int kLastMarchTick = 118;
constexpr int kSquaresFrom = 120;
constexpr int kBandsAt = 140;

int RowY(int r) { return 120 + 20 * r; }

void DrawRow(Game& g, int r, int t) {
  const FigureRow& row = kRows[r];
  const int c = std::min(t, kLastMarchTick);
  const bool odd = t % 2 == 1;
  const int y = RowY(r);
  for (int n = 0; n < kFigures; ++n) {
    const int x = row.FromLeft ? 4 * c - 20 * n : 530 - 4 * c + 20 * n;
    if (x < 1 || x + 32 >= kFieldWidth) continue;
    if (t >= kSquaresFrom && n < t - kSquaresFrom) {
      g.ShownField.Fill(x, y, x + 19, y + 19, FromColorRef(row.ColorRef));
    } else {
      g.ShownField.Blit(g.SpriteSheet, odd ? row.OddX : row.EvenX, odd ? row.OddY : row.EvenY, 24, 24, x, y,
                      RasterOp::Or);
    }
  }
}

}  // namespace

void DrawTitleFigures(Game& g) {
  const int t = g.TitleCount;
  if (t >= kBandsAt) {
    for (int r = 0; r < 4; ++r) g.ShownField.Fill(50, RowY(r), 500, RowY(r) + 20, FromColorRef(kRows[r].ColorRef));
    return;
  }
  for (int r = 0; r < 4; ++r) DrawRow(g, r, t);
  g.TitleCount = t + 1;
}
