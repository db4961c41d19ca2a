#include "stages/MapQueries.h"

namespace {

bool IsRising(i32 code) { return code == 11 || code == 21; }
bool IsFalling(i32 code) { return code == 12 || code == 22; }

// Walls among two cells: 1 both, -1 exactly one, 0 neither.
i32 WallPair(i32 a, i32 b) {
  const i32 walls = (a == 1) + (b == 1);
  return walls == 2 ? 1 : (walls == 1 ? -1 : 0);
}

i32 LeftColumn(i32 x) { return x / 24; }
i32 RightColumn(i32 x) { return (x + 23) / 24; }
i32 CentreColumn(i32 x) { return (x + 12) / 24; }
i32 TopRow(i32 y) { return y / 24; }
i32 BottomRow(i32 y) { return (y + 23) / 24; }
i32 LeadingColumn(i32 x, i32 dirX) { return dirX > 0 ? RightColumn(x) : LeftColumn(x); }
i32 LeadingRow(i32 y, i32 dirY) { return dirY > 0 ? BottomRow(y) : TopRow(y); }

}  // namespace

i32 Cell(const Game& g, i32 column, i32 row) {
  if (column < 0 || column >= kGridSize || row < 0 || row >= kGridSize) return 0;
  return g.MapData[column][row];
}

i32 IsLadder(const Game& g, i32 x, i32 y, i32 dirY) {
  const i32 c = CentreColumn(x);
  const i32 t = TopRow(y);
  if (Cell(g, c, t) == 2 || Cell(g, c, BottomRow(y)) == 2) return 1;
  if (dirY > 0 && y % 24 == 0 && Cell(g, c, t + 1) == 2) return 1;
  return 0;
}

i32 MustFall(const Game& g, i32 x, i32 y) {
  const i32 l = LeftColumn(x);
  const i32 r = RightColumn(x);
  const i32 n = (y + 24) / 24;
  const i32 m = x % 24;
  const i32 mirrored = (24 - m) % 24;
  const i32 a = (y - mirrored + 24) / 24 + 1;
  const i32 d = (y - m + 24) / 24 + 1;
  const bool leftEmpty = Cell(g, l, n) == 0;
  const bool rightEmpty = Cell(g, r, n) == 0;
  if (leftEmpty && rightEmpty) return 1;
  if ((leftEmpty || IsRising(Cell(g, l, a))) && IsRising(Cell(g, r, a))) return 1;
  if (!IsFalling(Cell(g, l, d))) return 0;
  if (rightEmpty) return 1;
  return IsFalling(Cell(g, r, d)) ? 1 : 0;
}

i32 SlopeAt(const Game& g, i32 x, i32 y) {
  const i32 m = x % 24;
  const i32 mirrored = (24 - m) % 24;
  const i32 risingRow = (y - mirrored + 24) / 24;
  const i32 fallingRow = (y - m + 24) / 24;
  const i32 underRight = Cell(g, RightColumn(x), risingRow);
  const i32 underLeft = Cell(g, LeftColumn(x), fallingRow);
  i32 result = 0;
  if (underRight == 11) result = risingRow + 100;
  if (underLeft == 12) result = fallingRow + 200;
  if (underRight == 21) result = -(risingRow + 100);
  if (underLeft == 22) result = -(fallingRow + 200);
  return result;
}

i32 IsOnSpikes(const Game& g, i32 x, i32 y) {
  return Cell(g, CentreColumn(x), TopRow(y) + 1) == 3 ? 1 : 0;
}

i32 HitsWallX(const Game& g, i32 x, i32 y, i32 dirX) {
  const i32 k = LeadingColumn(x, dirX);
  return (Cell(g, k, TopRow(y)) == 1 || Cell(g, k, BottomRow(y)) == 1) ? 1 : 0;
}

i32 HitsWallY(const Game& g, i32 x, i32 y, i32 dirY) {
  const i32 q = LeadingRow(y, dirY);
  return (Cell(g, LeftColumn(x), q) == 1 || Cell(g, RightColumn(x), q) == 1) ? 1 : 0;
}

i32 IsOpenX(const Game& g, i32 x, i32 y, i32 dirX) {
  const i32 k = LeadingColumn(x, dirX);
  return (Cell(g, k, TopRow(y)) == 0 && Cell(g, k, BottomRow(y)) == 0) ? 1 : 0;
}

i32 BounceCheck(const Game& g, i32 x, i32 y, i32 dirX, i32 dirY) {
  const i32 k = LeadingColumn(x, dirX);
  const i32 q = LeadingRow(y, dirY);
  i32 h = WallPair(Cell(g, k, TopRow(y)), Cell(g, k, BottomRow(y)));
  i32 v = WallPair(Cell(g, LeftColumn(x), q), Cell(g, RightColumn(x), q));
  if (h == -1 && v == -1) {
    h = 1;
    v = 1;
  }
  if (h < 0) h = 0;
  if (v < 0) v = 0;
  return 2 * h + v;
}

i32 EnemyOverlap(const Game& g, i32 i) {
  i32 result = 0;
  for (i32 j = 0; j < g.EnemyCount; ++j) {
    if (j == i) continue;
    const i32 dx = g.EnemyX[j] - g.EnemyX[i];
    const i32 dy = g.EnemyY[j] - g.EnemyY[i];
    if (dx > -24 && dx < 24 && dy > -24 && dy < 24) result = j + 1;
  }
  return result;
}

i32 Sign(i32 v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }
