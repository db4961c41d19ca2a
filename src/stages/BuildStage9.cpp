#include "stages/BuildStage9.h"

#include <algorithm>
#include <cstdlib>

#include "stages/BuilderTools.h"

namespace {

struct Span {
  i32 Lo = 0, Hi = 0;
};

// Two to four cells among the eight of a third.
Span DrawPlatform(Game& g) {
  i32 a = 0;
  i32 b = 0;
  do {
    do {
      a = g.Random(8);
      b = g.Random(8);
    } while (std::abs(a - b) + 1 > 4);
  } while (std::abs(a - b) + 1 < 2);
  return {std::min(a, b), std::max(a, b)};
}

bool Contains(Span s, i32 column) { return s.Lo <= column && column <= s.Hi; }

// Lays the platform and perhaps an item on it; returns the item's offset draw.
i32 LayPlatform(Game& g, i32 left, Span s, i32 row) {
  FillRow(g, row, left + s.Lo, left + s.Hi, Tile::Wall);
  const i32 offset = g.Random(s.Hi - s.Lo + 1);
  if (g.Random(2) == 0) g.MapData[left + s.Lo + offset][row - 1] = Tile::Item;
  return offset;
}

// Platforms falling from row 5..7 towards the spikes, each reaching two cells
// past an end of the one above; the last carries an item and a lift.
void BuildThird(Game& g, i32 third) {
  const i32 left = 8 * third;
  i32 row = g.Random(3) + 5;
  Span above = DrawPlatform(g);
  i32 offset = LayPlatform(g, left, above, row);
  row += g.Random(3) + 3;
  for (;;) {
    Span next;
    do {
      next = DrawPlatform(g);
    } while (!Contains(next, above.Lo - 2) && !Contains(next, above.Hi + 2));
    offset = LayPlatform(g, left, next, row);
    above = next;
    const i32 nextRow = row + g.Random(3) + 3;
    if (nextRow >= 18) break;
    row = nextRow;
  }
  g.MapData[left + above.Lo + offset][row - 1] = Tile::Empty;
  g.MapData[left + above.Lo + g.Random(above.Hi - above.Lo + 1)][row - 1] = Tile::Item;
  i32 liftColumn = 0;
  do {
    liftColumn = left + above.Lo + g.Random(above.Hi - above.Lo + 1);
  } while (IsItemTile(g.MapData[liftColumn][row - 1]));
  g.MapData[liftColumn][row] = Tile::ShaftBottom;
  g.MapData[liftColumn][2] = Tile::ShaftTop;
  AddLift(g, liftColumn, row);
}

}  // namespace

void BuildStage9(Game& g) {
  ClearStage(g);
  FillFieldRow(g, 1, Tile::Ladder);
  FillFieldRow(g, kFloorRow, Tile::Spikes);
  for (i32 third = 0; third < 3; ++third) BuildThird(g, third);
  g.Player.X = 264;
  g.Player.Y = 24;
  for (i32 i = 0; i < 5; ++i) {
    const i32 x = 24 * (g.Random(20) + 1);
    const i32 y = 24 * (g.Random(10) + 7);
    const i32 dx = UnitDirection(g);
    const i32 dy = UnitDirection(g);
    AddEnemy(g, EnemyKind::Bouncer, x, y, dx, dy);
  }
}
