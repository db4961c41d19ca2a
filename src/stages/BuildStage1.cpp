#include "stages/BuildStage1.h"

#include "stages/BuilderTools.h"
#include "stages/Platforms.h"

namespace {

// Whether a cell of the candidate's columns `distance` rows above or below
// it is taken.
bool HasNeighbourRow(const Game& g, const PlatformDraw& d, i32 distance) {
  for (i32 c = d.First; c <= d.Last; ++c)
    if (!IsEmptyTile(g.MapData[c][d.Row - distance]) || !IsEmptyTile(g.MapData[c][d.Row + distance])) return true;
  return false;
}

// Keeps two empty rows around a platform when it can; after 100 tries a
// neighbour two rows away will do, after 1000 anything.
PlatformDraw DrawRoomyPlatform(Game& g, const PlatformLayout& p) {
  for (i32 tries = 1;; ++tries) {
    const PlatformDraw d = DrawPlatform(g, p);
    if (tries > 1000) return d;
    if (HasNeighbourRow(g, d, 1)) continue;
    if (tries > 100 || !HasNeighbourRow(g, d, 2)) return d;
  }
}

}  // namespace

void BuildStage1(Game& g) {
  ClearStage(g);
  FillFieldRow(g, kFloorRow, Tile::Wall);
  PlatformLayout p;
  LayFirstPlatform(g, p);
  for (i32 i = 1; i < PlatformLayout::kCount; ++i) {
    const PlatformDraw d = DrawRoomyPlatform(g, p);
    p.First[i] = d.First;
    p.Last[i] = d.Last;
    p.Row[i] = d.Row;
    for (i32 c = d.First; c <= d.Last; ++c)
      if (!IsLadderTile(g.MapData[c][d.Row])) g.MapData[c][d.Row] = Tile::Wall;
    const i32 itemColumn = d.First + g.Random(d.Last - d.First + 1);
    if (IsEmptyTile(g.MapData[itemColumn][d.Row - 1])) g.MapData[itemColumn][d.Row - 1] = Tile::Item;
    JoinPlatform(g, p, i, d, itemColumn);
  }
  g.Player.X = 264;
  g.Player.Y = 432;
  AddEnemy(g, EnemyKind::Wanderer, 264, 24, 0, 0);
  AddBouncerAtFreeCell(g);
  AddBouncerAtFreeCell(g);
}
