#include "stages/BuildStage3.h"

#include <algorithm>

#include "stages/BuilderTools.h"

namespace {

constexpr i32 kLadders = 5;
constexpr i32 kLadderColumn[kLadders] = {0, 5, 11, 17, 22};

// Marks[g][row] is 1 where the wall of gap g in that row stayed whole (and on
// the floor).
struct Marks {
  i32 Whole[kLadders][kFloorRow + 1] = {};
  Marks() {
    for (auto& gap : Whole) gap[kFloorRow] = 1;
  }
};

// Four distinct rows, sorted, spread to at least three apart: rows 2..17.
void DrawFirstWallRows(Game& g, i32 rows[4]) {
  for (i32 i = 0; i < 4; ++i) {
    bool repeated = true;
    while (repeated) {
      rows[i] = g.Random(10);
      repeated = std::find(rows, rows + i, rows[i]) != rows + i;
    }
  }
  std::sort(rows, rows + 4);
  for (i32 i = 0; i < 4; ++i) rows[i] += 2 * (i + 1);
}

// The walls of the next gap lie between those of this one.
void InterleaveWallRows(Game& g, i32 gap, i32 rows[4]) {
  if (gap % 2 == 0) {
    const i32 t[4] = {rows[0], rows[1], rows[2], rows[3]};
    for (i32 j = 0; j < 3; ++j) rows[j] = t[j] + 1 + g.Random(t[j + 1] - t[j] - 1);
  } else {
    const i32 t[5] = {1, rows[0], rows[1], rows[2], 18};
    for (i32 j = 0; j < 4; ++j) rows[j] = t[j] + 1 + g.Random(t[j + 1] - t[j] - 1);
  }
}

// A wall from ladder to ladder, maybe an item on it, maybe a hole at one end.
void LayGapWall(Game& g, Marks& marks, i32 gap, i32 row) {
  const i32 first = kLadderColumn[gap] + 1;
  const i32 last = kLadderColumn[gap + 1] - 1;
  const i32 width = last - first + 1;
  FillRow(g, row, first, last, Tile::Wall);
  if (g.Random(5) == 0) g.MapData[first + g.Random(width)][row - 1] = Tile::Item;
  const i32 hole = g.Random(4);
  const i32 edge = first + g.Random(width);
  if (hole == 0) {
    FillRow(g, row, first, edge, Tile::Empty);
    FillRow(g, row - 1, first, edge, Tile::Empty);
  } else if (hole == 1) {
    FillRow(g, row, edge, last, Tile::Empty);
    FillRow(g, row - 1, edge, last, Tile::Empty);
  } else {
    marks.Whole[gap][row] = 1;
  }
}

// Takes one rung out of ladder k when the walk down it and up ladder w
// between two whole walls finds both ladders unbroken.
void MaybeBreakLadder(Game& g, const Marks& marks, i32 k, i32 w) {
  const i32 start = g.Random(18) + 1;
  bool broken = false;
  i32 v = start;
  do {
    if (!IsLadderTile(g.MapData[kLadderColumn[k]][v])) broken = true;
    ++v;
  } while (marks.Whole[w][v] != 1);
  do {
    --v;
    if (!IsLadderTile(g.MapData[kLadderColumn[w]][v])) broken = true;
  } while (marks.Whole[w][v] != 1 && v >= 2);
  if (!broken && v >= 2) g.MapData[kLadderColumn[k]][start] = Tile::Empty;
}

void PlaceItemBesideLadder(Game& g, i32 k) {
  i32 row = 0;
  i32 column = 0;
  do {
    do {
      row = g.Random(18) + 1;
    } while (!IsLadderTile(g.MapData[kLadderColumn[k]][row]));
    if (k == 0) {
      column = kLadderColumn[k] + 1;
    } else if (k == kLadders - 1) {
      column = kLadderColumn[k] - 1;
    } else {
      column = kLadderColumn[k] - 1 + 2 * g.Random(2);
    }
  } while (!IsEmptyTile(g.MapData[column][row]));
  g.MapData[column][row] = Tile::Item;
}

}  // namespace

void BuildStage3(Game& g) {
  ClearStage(g);
  for (i32 column : kLadderColumn) FillColumn(g, column, 1, 18, Tile::Ladder);
  FillFieldRow(g, kFloorRow, Tile::Wall);
  Marks marks;
  i32 rows[4] = {};
  DrawFirstWallRows(g, rows);
  for (i32 gap = 0; gap < 4; ++gap) {
    const i32 count = gap % 2 == 0 ? 4 : 3;
    for (i32 i = 0; i < count; ++i) LayGapWall(g, marks, gap, rows[i]);
    InterleaveWallRows(g, gap, rows);
  }
  for (i32 k = 0; k < kLadders; ++k) {
    const i32 w = k == 0 ? 0 : k - 1;
    MaybeBreakLadder(g, marks, k, w);
    PlaceItemBesideLadder(g, k);
  }
  g.Player.X = 240;
  g.Player.Y = 432;
  AddEnemy(g, EnemyKind::Chaser, 120, 48, 0, 4);
  AddEnemy(g, EnemyKind::Climber, 408, 48, 0, 4);
}
