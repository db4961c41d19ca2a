#include "stages/BuildDuoStage.h"

#include "stages/BuilderTools.h"
#include "stages/Platforms.h"

namespace {

bool Crowded(const Game& g, const PlatformDraw& d) {
  for (i32 c = d.First; c <= d.Last; ++c) {
    for (i32 dr : {-2, -1, 1, 2})
      if (!IsEmptyTile(g.MapData[c][d.Row + dr])) return true;
  }
  return false;
}

// Two empty rows above and below the platform, or the 101st draw regardless.
PlatformDraw DrawClearPlatform(Game& g, const PlatformLayout& p) {
  for (i32 tries = 1;; ++tries) {
    const PlatformDraw d = DrawPlatform(g, p);
    if (!Crowded(g, d) || tries > 100) return d;
  }
}

// About one cell in three is spikes, never two in a row and never under the
// item; ladder cells stay ladders and leave the run as it was.
void LaySpikedPlatform(Game& g, const PlatformDraw& d) {
  bool lastWasSpikes = false;
  for (i32 c = d.First; c <= d.Last; ++c) {
    Tile& cell = g.MapData[c][d.Row];
    if (IsLadderTile(cell)) continue;
    if (g.Random(3) == 0 && !lastWasSpikes && !IsItemTile(g.MapData[c][d.Row - 1])) {
      cell = Tile::Spikes;
      lastWasSpikes = true;
    } else {
      cell = Tile::Wall;
      lastWasSpikes = false;
    }
  }
}

}  // namespace

void BuildDuoStage(Game& g) {
  ClearStage(g);
  FillFieldRow(g, kFloorRow, Tile::Wall);
  PlatformLayout p;
  LayFirstPlatform(g, p);
  for (i32 i = 1; i < PlatformLayout::kCount; ++i) {
    const PlatformDraw d = DrawClearPlatform(g, p);
    p.First[i] = d.First;
    p.Last[i] = d.Last;
    p.Row[i] = d.Row;
    const i32 itemColumn = d.First + g.Random(d.Last - d.First + 1);
    if (IsEmptyTile(g.MapData[itemColumn][d.Row - 1])) g.MapData[itemColumn][d.Row - 1] = Tile::Item;
    LaySpikedPlatform(g, d);
    JoinPlatform(g, p, i, d, itemColumn);
  }
  g.Player.X = 264;
  g.Player.Y = 432;
  AddEnemy(g, EnemyKind::Wanderer, 264, 24, 0, 0);
  AddBouncerAtFreeCell(g);
  AddBouncerAtFreeCell(g);
}
