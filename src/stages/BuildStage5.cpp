#include "stages/BuildStage5.h"

#include <cstdlib>

#include "stages/BuilderTools.h"

void BuildStage5(Game& g) {
  ClearStage(g);
  for (i32 row = 1; row <= kFloorRow; row += 2) FillFieldRow(g, row, Tile::Wall);
  for (i32 k = 0; k < 8; ++k) {
    const i32 floor = 3 + 2 * k;
    const i32 a = g.Random(23);
    i32 b = 0;
    do {
      b = g.Random(23);
    } while (std::abs(b - a) < 2);
    FillColumn(g, a, floor, floor + 1, Tile::Ladder);
    FillColumn(g, b, floor, floor + 1, Tile::Ladder);
    i32 c = 0;
    do {
      c = g.Random(23);
    } while (!IsEmptyTile(g.MapData[c][floor - 1]));
    g.MapData[c][floor - 1] = Tile::Item;
  }
  g.Player.X = 240;
  g.Player.Y = 432;
  for (i32 i = 0; i < 5; ++i) {
    const i32 x = 24 * (g.Random(21) + 1);
    const i32 y = 24 * (2 * g.Random(8) + 2);
    AddEnemy(g, EnemyKind::Climber, x, y, 4 * UnitDirection(g), 0);
  }
}
