#include "stages/BuildStage6.h"

#include "stages/BuilderTools.h"

void BuildStage6(Game& g) {
  ClearStage(g);
  FillFieldRow(g, kFloorRow, Tile::Wall);
  FillColumn(g, 11, 3, 18, Tile::Ladder);
  for (i32 level = 0; level < 3; ++level) {
    const i32 floor = 5 * level + 3;
    for (i32 half = 0; half < 2; ++half) {
      const i32 left = 11 * half + 1;
      FillRow(g, floor, left, left + 9, Tile::Wall);
      FillRow(g, floor + 2, left, left + 9, Tile::Spikes);
      const i32 hole = g.Random(7);
      g.MapData[11 * half + hole + 2][floor] = Tile::Empty;
      g.MapData[11 * half + hole + 3][floor] = Tile::Empty;
      g.MapData[20 * half + 1][floor - 1] = Tile::Item;
    }
  }
  g.Player.X = 240;
  g.Player.Y = 432;
  AddEnemy(g, EnemyKind::Wanderer, 48, 48, 4, 0);
  AddEnemy(g, EnemyKind::Wanderer, 480, 168, -4, 0);
  AddEnemy(g, EnemyKind::Wanderer, 336, 48, -4, 0);
}
