#include "stages/BuildStage8.h"

#include <algorithm>

#include "stages/BuilderTools.h"
#include "stages/MapQueries.h"

namespace {

struct Band {
  i32 Base = 0;     // the wall row the band stands on
  i32 Highest = 0;  // the highest ground row
  i32 HeightChoices = 0;
};

// A flat run of up to n columns at the ground height; a ladder of the band
// below that pierces the base carries on up through the ground.
void LayFlatRun(Game& g, const Band& band, i32 ground, i32 n, i32& x) {
  for (i32 k = 0; k < n && x <= kLastColumn; ++k, ++x)
    FillColumn(g, x, ground, band.Base - 1, g.MapData[x][band.Base]);
}

// A ramp from the ground height towards the target. Its first rising cell and
// its last falling cell are forks; a piercing ladder keeps the ramp's height.
void LayRamp(Game& g, const Band& band, i32& ground, i32 target, i32 start, i32& x) {
  i32 lastStep = 0;
  while (ground != target && x <= kLastColumn) {
    lastStep = target - ground;
    ground += Sign(lastStep);
    const Tile base = g.MapData[x][band.Base];
    FillColumn(g, x, ground + 1, band.Base - 1, base);
    if (IsLadderTile(base)) {
      if (lastStep > 0) g.MapData[x][ground] = Tile::Ladder;
      ground -= Sign(lastStep);
    } else if (lastStep < 0) {
      g.MapData[x][ground] = ground == start - 1 ? Tile::RisingFork : Tile::RisingSlope;
    } else {
      g.MapData[x][ground] = ground == target ? Tile::FallingFork : Tile::FallingSlope;
    }
    ++x;
  }
  if (lastStep > 0) ++ground;
}

void BuildHillBand(Game& g, const Band& band) {
  i32 ground = band.Base;
  i32 x = 0;
  while (x <= kLastColumn) {
    const i32 n = g.Random(3) + 3;
    const i32 itemColumn = std::min(x + g.Random(n - 1), kLastColumn);
    const i32 ladderColumn = std::min(x + g.Random(n - 1), kLastColumn);
    LayFlatRun(g, band, ground, n, x);
    g.MapData[itemColumn][ground - 1] = Tile::Item;
    FillColumn(g, ladderColumn, band.Highest - 2, ground - 1, Tile::Ladder);
    i32 target = 0;
    do {
      target = std::min(g.Random(band.HeightChoices) + band.Highest, band.Base);
    } while (target == ground);
    i32 start = ground;
    if (ground < target) {
      --ground;
      --target;
      start = ground;
    }
    LayRamp(g, band, ground, target, start, x);
  }
}

// Two slope walkers per band, on the ground of random columns without a
// ladder on the band's highest row.
void PlaceBandWalkers(Game& g, const Band& band) {
  for (i32 k = 0; k < 2; ++k) {
    i32 column = 0;
    do {
      column = g.Random(23);
    } while (IsLadderTile(g.MapData[column][band.Highest - 1]));
    const i32 row = FirstSolidRowBelow(g, column, band.Highest - 1, true);
    AddEnemy(g, EnemyKind::SlopeWalker, 24 * column, 24 * (row - 1), 1 - 2 * k, 0);
  }
}

}  // namespace

void BuildStage8(Game& g) {
  ClearStage(g);
  for (i32 row : {2, 7, 13, kFloorRow}) FillFieldRow(g, row, Tile::Wall);
  const Band bands[3] = {{19, 15, 6}, {13, 9, 6}, {7, 4, 5}};
  for (const Band& band : bands) {
    BuildHillBand(g, band);
    PlaceBandWalkers(g, band);
  }
  g.Player.X = 264;
  g.Player.Y = 24;
}
