#include <algorithm>

#include "stages/BuilderTools.h"
#include "stages/Platforms.h"
#include "stages/StageBuilders.h"

namespace {

constexpr unsigned kNear = 1;  // a neighbour one row above or below
constexpr unsigned kFar = 2;   // a neighbour two rows above or below

unsigned Crowding(const Game& g, const PlatformDraw& d) {
  unsigned crowd = 0;
  for (i32 c = d.First; c <= d.Last; ++c) {
    if (g.MapData[c][d.Row - 1] != 0 || g.MapData[c][d.Row + 1] != 0) crowd |= kNear;
    if (g.MapData[c][d.Row - 2] != 0 || g.MapData[c][d.Row + 2] != 0) crowd |= kFar;
  }
  return crowd;
}

// Keeps two empty rows around a platform when it can; after 100 tries a
// neighbour two rows away will do, after 1000 anything.
PlatformDraw DrawRoomyPlatform(Game& g, const PlatformLayout& p) {
  for (i32 tries = 1;; ++tries) {
    const PlatformDraw d = DrawPlatform(g, p);
    const unsigned crowd = Crowding(g, d);
    if (crowd == 0 || (tries > 100 && crowd == kFar) || tries > 1000) return d;
  }
}

}  // namespace

void BuildStage1(Game& g) {
  ClearStage(g);
  FillFieldRow(g, kFloorRow, 1);
  PlatformLayout p;
  LayFirstPlatform(g, p);
  for (i32 i = 1; i < PlatformLayout::kCount; ++i) {
    const PlatformDraw d = DrawRoomyPlatform(g, p);
    p.First[i] = d.First;
    p.Last[i] = d.Last;
    p.Row[i] = d.Row;
    for (i32 c = d.First; c <= d.Last; ++c)
      if (g.MapData[c][d.Row] != 2) g.MapData[c][d.Row] = 1;
    const i32 itemColumn = d.First + g.Random(d.Last - d.First + 1);
    if (g.MapData[itemColumn][d.Row - 1] == 0) g.MapData[itemColumn][d.Row - 1] = 10;
    JoinPlatform(g, p, i, d, itemColumn);
  }
  g.PlayerX = 264;
  g.PlayerY = 432;
  AddEnemy(g, 4, 264, 24, 0, 0);
  AddBouncerAtFreeCell(g);
  AddBouncerAtFreeCell(g);
}
