#include "stages/BuildStage2.h"

#include <algorithm>
#include <cstdlib>

#include "stages/BuilderTools.h"

namespace {

struct Span {
  i32 Lo = 0, Hi = 0;
};

// A floor of at most seven cells within the ten columns of a tower.
Span DrawFloor(Game& g) {
  i32 a = 0;
  i32 b = 0;
  do {
    a = g.Random(10);
    b = g.Random(10);
  } while (std::abs(a - b) + 1 > 7);
  return {std::min(a, b), std::max(a, b)};
}

bool Contains(Span s, i32 column) { return s.Lo <= column && column <= s.Hi; }

void LayFloorWithItem(Game& g, i32 left, Span s, i32 row) {
  FillRow(g, row, left + s.Lo, left + s.Hi, Tile::Wall);
  g.MapData[left + s.Lo + g.Random(s.Hi - s.Lo + 1)][row - 1] = Tile::Item;
}

// Four floors; each lower one reaches two columns past an end of the one
// above, so a walker stepping off that end lands on it.
void BuildTower(Game& g, i32 left) {
  Span above = DrawFloor(g);
  LayFloorWithItem(g, left, above, 4);
  for (i32 row : {8, 12, 16}) {
    Span next;
    do {
      next = DrawFloor(g);
    } while (!Contains(next, above.Lo - 2) && !Contains(next, above.Hi + 2));
    LayFloorWithItem(g, left, next, row);
    above = next;
  }
}

}  // namespace

void BuildStage2(Game& g) {
  ClearStage(g);
  FillFieldRow(g, kFloorRow, Tile::Wall);
  FillFieldRow(g, 1, Tile::Ladder);
  FillColumn(g, 11, 1, 18, Tile::Ladder);
  BuildTower(g, 0);
  BuildTower(g, 13);
  g.Player.X = 192;
  g.Player.Y = 432;
  for (i32 i = 0; i < 5; ++i) AddBouncerAtFreeCell(g);
}
