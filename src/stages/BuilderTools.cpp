#include "stages/BuilderTools.h"

void ClearStage(Game& g) {
  for (auto& column : g.MapData)
    for (Tile& cell : column) cell = Tile::Empty;
  g.EnemyCount = 0;
  g.LiftCount = 0;
  for (i32 i = 0; i < kEnemySlots; ++i) {
    g.EnemyJumping[i] = 0;
    g.EnemyJumpTick[i] = 0;
    g.EnemyJumpDX[i] = 0;
    g.EnemyJumpX[i] = 0;
    g.EnemyJumpY[i] = 0;
  }
}

void FillColumn(Game& g, i32 column, i32 firstRow, i32 lastRow, Tile tile) {
  for (i32 r = firstRow; r <= lastRow; ++r) g.MapData[column][r] = tile;
}

void FillRow(Game& g, i32 row, i32 firstColumn, i32 lastColumn, Tile tile) {
  for (i32 c = firstColumn; c <= lastColumn; ++c) g.MapData[c][row] = tile;
}

void FillFieldRow(Game& g, i32 row, Tile tile) { FillRow(g, row, 0, kLastColumn, tile); }

i32 UnitDirection(Game& g) { return 2 * g.Random(2) - 1; }

void AddEnemy(Game& g, EnemyKind kind, i32 x, i32 y, i32 dx, i32 dy) {
  const i32 i = g.EnemyCount;
  g.EnemyKind[i] = kind;
  g.EnemyX[i] = x;
  g.EnemyY[i] = y;
  g.EnemyDX[i] = dx;
  g.EnemyDY[i] = dy;
  if (g.EnemyCount < kEnemySlots - 1) ++g.EnemyCount;
}

void PlaceAtRandomFreeCell(Game& g, i32 i) {
  i32 column = 0;
  i32 row = 0;
  do {
    column = g.Random(21) + 1;
    row = g.Random(10) + 1;
  } while (!IsEmptyTile(g.MapData[column][row]));
  g.EnemyX[i] = 24 * column;
  g.EnemyY[i] = 24 * row;
}

void AddBouncerAtFreeCell(Game& g) {
  const i32 i = g.EnemyCount;
  g.EnemyKind[i] = EnemyKind::Bouncer;
  PlaceAtRandomFreeCell(g, i);
  g.EnemyDX[i] = UnitDirection(g);
  g.EnemyDY[i] = UnitDirection(g);
  if (g.EnemyCount < kEnemySlots - 1) ++g.EnemyCount;
}

void AddLift(Game& g, i32 column, i32 row) {
  const i32 i = g.LiftCount;
  g.LiftX[i] = 24 * column;
  g.LiftY[i] = 24 * row;
  g.LiftDir[i] = -1;
  g.LiftMoving[i] = 0;
  g.LiftSeen[i] = 0;
  if (g.LiftCount < kLiftSlots - 1) ++g.LiftCount;
}

i32 FirstSolidRowBelow(const Game& g, i32 c, i32 from, bool skipItems) {
  i32 r = from;
  while (r <= kFloorRow && (IsEmptyTile(g.MapData[c][r]) || (skipItems && IsItemTile(g.MapData[c][r])))) ++r;
  return r;
}
