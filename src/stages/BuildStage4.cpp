#include "stages/BuildStage4.h"

#include "stages/BuilderTools.h"
#include "stages/MapQueries.h"

namespace {

// Hills over one band: flat runs, each with a lift, joined by ramps. The
// band's ground rests on row bottom + 1.
void BuildHills(Game& g, i32 band) {
  const i32 bottom = 9 * band + 9;
  const i32 shaftTop = 9 * band + 4;
  i32 ground = 9 * band + 10;
  i32 x = 1;
  while (x < 22) {
    const i32 n = g.Random(3) + 2;
    i32 liftColumn = x + g.Random(n - 1);
    if (liftColumn > 21) liftColumn = 21;
    for (i32 k = 0; k < n && x < 22; ++k, ++x) FillColumn(g, x, ground, bottom, Tile::Wall);
    g.MapData[liftColumn][ground] = Tile::ShaftBottom;
    g.MapData[liftColumn][shaftTop] = Tile::ShaftTop;
    AddLift(g, liftColumn, ground);

    i32 height = 0;
    do {
      height = g.Random(6) + 9 * band + 5;
    } while (height == ground);
    i32 target = height;
    if (ground < height) {
      --ground;
      target = height - 1;
    }
    i32 lastStep = 0;
    while (ground != target && x < 22) {
      lastStep = target - ground;
      ground += Sign(lastStep);
      FillColumn(g, x, ground + 1, bottom, Tile::Wall);
      g.MapData[x][ground] = lastStep < 0 ? Tile::RisingSlope : Tile::FallingSlope;
      ++x;
    }
    if (lastStep > 0) ++ground;
  }
}

void PlaceHillItems(Game& g, i32 band) {
  for (i32 n = 0; n < 3; ++n) {
    i32 column = 0;
    i32 row = 0;
    do {
      column = g.Random(19) + 2;
      row = FirstSolidRowBelow(g, column, 9 * band + 5, false);
    } while (IsItemTile(g.MapData[column][row]) || !IsEmptyTile(g.MapData[column][row - 1]));
    g.MapData[column][row - 1] = Tile::Item;
  }
}

// A slope walker at each end of the band, heading inward.
void PlaceHillWalkers(Game& g, i32 band) {
  for (i32 k = 0; k < 2; ++k) {
    const i32 column = 20 * k + 1;
    const i32 row = FirstSolidRowBelow(g, column, 9 * band + 5, false);
    AddEnemy(g, EnemyKind::SlopeWalker, 24 * column, 24 * (row - 1), 1 - 2 * k, 0);
  }
}

}  // namespace

void BuildStage4(Game& g) {
  ClearStage(g);
  for (i32 c = 0; c <= kLastColumn; ++c) {
    g.MapData[c][2] = Tile::Ladder;
    g.MapData[c][10] = Tile::Wall;
    g.MapData[c][11] = Tile::Ladder;
    g.MapData[c][kFloorRow] = Tile::Wall;
  }
  FillColumn(g, 0, 2, 18, Tile::Ladder);
  FillColumn(g, kLastColumn, 2, 18, Tile::Ladder);
  for (i32 band = 0; band < 2; ++band) {
    BuildHills(g, band);
    PlaceHillItems(g, band);
    PlaceHillWalkers(g, band);
  }
  g.Player.X = 0;
  g.Player.Y = 240;
}
