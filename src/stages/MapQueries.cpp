#include "stages/MapQueries.h"

namespace {

// Walls among two cells: 1 both, -1 exactly one, 0 neither.
i32 WallPair(Tile a, Tile b) {
  const i32 walls = IsWallTile(a) + IsWallTile(b);
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

Tile Cell(const Game& g, i32 column, i32 row) {
  if (column < 0 || column >= kGridSize || row < 0 || row >= kGridSize) return Tile::Empty;
  return g.MapData[column][row];
}

i32 IsLadder(const Game& g, i32 x, i32 y, i32 dirY) {
  const i32 c = CentreColumn(x);
  const i32 t = TopRow(y);
  if (IsLadderTile(Cell(g, c, t)) || IsLadderTile(Cell(g, c, BottomRow(y)))) return 1;
  if (dirY > 0 && y % 24 == 0 && IsLadderTile(Cell(g, c, t + 1))) return 1;
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
  const bool leftEmpty = IsEmptyTile(Cell(g, l, n));
  const bool rightEmpty = IsEmptyTile(Cell(g, r, n));
  if (leftEmpty && rightEmpty) return 1;
  if ((leftEmpty || IsRisingTile(Cell(g, l, a))) && IsRisingTile(Cell(g, r, a))) return 1;
  if (!IsFallingTile(Cell(g, l, d))) return 0;
  if (rightEmpty) return 1;
  return IsFallingTile(Cell(g, r, d)) ? 1 : 0;
}

i32 SlopeAt(const Game& g, i32 x, i32 y) {
  const i32 m = x % 24;
  const i32 mirrored = (24 - m) % 24;
  const i32 risingRow = (y - mirrored + 24) / 24;
  const i32 fallingRow = (y - m + 24) / 24;
  const Tile underRight = Cell(g, RightColumn(x), risingRow);
  const Tile underLeft = Cell(g, LeftColumn(x), fallingRow);
  i32 result = 0;
  if (underRight == Tile::RisingSlope) result = risingRow + 100;
  if (underLeft == Tile::FallingSlope) result = fallingRow + 200;
  if (underRight == Tile::RisingFork) result = -(risingRow + 100);
  if (underLeft == Tile::FallingFork) result = -(fallingRow + 200);
  return result;
}

i32 IsOnSpikes(const Game& g, i32 x, i32 y) {
  return IsSpikesTile(Cell(g, CentreColumn(x), TopRow(y) + 1)) ? 1 : 0;
}

i32 HitsWallX(const Game& g, i32 x, i32 y, i32 dirX) {
  const i32 k = LeadingColumn(x, dirX);
  return (IsWallTile(Cell(g, k, TopRow(y))) || IsWallTile(Cell(g, k, BottomRow(y)))) ? 1 : 0;
}

i32 HitsWallY(const Game& g, i32 x, i32 y, i32 dirY) {
  const i32 q = LeadingRow(y, dirY);
  return (IsWallTile(Cell(g, LeftColumn(x), q)) || IsWallTile(Cell(g, RightColumn(x), q))) ? 1 : 0;
}

i32 IsOpenX(const Game& g, i32 x, i32 y, i32 dirX) {
  const i32 k = LeadingColumn(x, dirX);
  return (IsEmptyTile(Cell(g, k, TopRow(y))) && IsEmptyTile(Cell(g, k, BottomRow(y)))) ? 1 : 0;
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
