#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "stages/MapQueries.h"

namespace {

class MapQueries : public testing::Test {
 protected:
  std::unique_ptr<Game> game = std::make_unique<Game>();
  Game& g = *game;
  void Put(i32 c, i32 r, Tile tile) { g.MapData[c][r] = tile; }
};

TEST_F(MapQueries, CellOutsideTheGridReadsEmpty) {
  Put(0, 0, Tile::Wall);
  Put(40, 40, Tile::Wall);
  EXPECT_EQ(Cell(g, 0, 0), Tile::Wall);
  EXPECT_EQ(Cell(g, 40, 40), Tile::Wall);
  EXPECT_EQ(Cell(g, -1, 0), Tile::Empty);
  EXPECT_EQ(Cell(g, 0, -1), Tile::Empty);
  EXPECT_EQ(Cell(g, 41, 0), Tile::Empty);
  EXPECT_EQ(Cell(g, 0, 41), Tile::Empty);
}

TEST_F(MapQueries, SpikesAreLookedForUnderTheFeetOfAnAlignedBox) {
  Put(2, 4, Tile::Spikes);
  EXPECT_EQ(IsOnSpikes(g, 48, 96), 0);
  Put(2, 5, Tile::Spikes);
  EXPECT_EQ(IsOnSpikes(g, 48, 96), 1);
  EXPECT_EQ(IsOnSpikes(g, 59, 96), 1);  // centre still in column 2
  EXPECT_EQ(IsOnSpikes(g, 60, 96), 0);  // centre now in column 3
}

TEST_F(MapQueries, HitsWallXTestsTheLeadingColumn) {
  Put(3, 4, Tile::Wall);
  EXPECT_EQ(HitsWallX(g, 50, 96, 1), 1);
  EXPECT_EQ(HitsWallX(g, 50, 96, 0), 0);
  EXPECT_EQ(HitsWallX(g, 50, 96, -1), 0);
  Put(2, 5, Tile::Wall);
  EXPECT_EQ(HitsWallX(g, 50, 96, -4), 0);  // aligned row: only row 4 counts
  EXPECT_EQ(HitsWallX(g, 50, 100, -4), 1); // bottom edge reaches row 5
}

TEST_F(MapQueries, OnlyCode1IsAWall) {
  for (Tile tile : {Tile::Ladder, Tile::Spikes, Tile::Item, Tile::RisingSlope, Tile::ShaftTop, Tile::ShaftBottom}) {
    Put(3, 4, tile);
    EXPECT_EQ(HitsWallX(g, 50, 96, 1), 0) << TileCode(tile);
    EXPECT_EQ(HitsWallY(g, 72, 72, 1), 0) << TileCode(tile);
  }
}

TEST_F(MapQueries, HitsWallYTestsTheLeadingRowUnderBothEdges) {
  Put(3, 5, Tile::Wall);
  EXPECT_EQ(HitsWallY(g, 50, 100, 1), 1);   // bottom row 5, right column 3
  EXPECT_EQ(HitsWallY(g, 50, 100, -1), 0);  // top row 4
  EXPECT_EQ(HitsWallY(g, 48, 100, 1), 0);   // aligned: column 2 only
}

TEST_F(MapQueries, IsOpenXNeedsBothCellsEmpty) {
  EXPECT_EQ(IsOpenX(g, 50, 100, 1), 1);
  Put(3, 5, Tile::Spikes);
  EXPECT_EQ(IsOpenX(g, 50, 100, 1), 0);  // spikes are not open
  EXPECT_EQ(IsOpenX(g, 50, 100, -1), 1);
  Put(2, 4, Tile::Item);
  EXPECT_EQ(IsOpenX(g, 50, 100, -1), 0);  // an item cell is occupied
}

TEST_F(MapQueries, LadderBelowCountsOnlyWhenGoingDownFromARowBoundary) {
  Put(2, 5, Tile::Ladder);
  EXPECT_EQ(IsLadder(g, 48, 96, 1), 1);
  EXPECT_EQ(IsLadder(g, 48, 96, 0), 0);
  EXPECT_EQ(IsLadder(g, 48, 96, -1), 0);
  Put(2, 4, Tile::Ladder);
  EXPECT_EQ(IsLadder(g, 48, 96, -1), 1);
}

TEST_F(MapQueries, LadderIsFoundUnderTheCentreColumn) {
  Put(3, 4, Tile::Ladder);
  EXPECT_EQ(IsLadder(g, 59, 96, 0), 0);
  EXPECT_EQ(IsLadder(g, 60, 96, 0), 1);
}

TEST_F(MapQueries, SlopeAtLaterRulesOverrideEarlierOnes) {
  Put(3, 4, Tile::RisingSlope);
  EXPECT_EQ(SlopeAt(g, 60, 96), 104);
  Put(2, 4, Tile::FallingFork);
  EXPECT_EQ(SlopeAt(g, 60, 96), -204);
  Put(2, 4, Tile::FallingSlope);
  EXPECT_EQ(SlopeAt(g, 60, 96), 204);
  Put(2, 4, Tile::Empty);
  Put(3, 4, Tile::RisingFork);
  EXPECT_EQ(SlopeAt(g, 60, 96), -104);
  Put(3, 4, Tile::Empty);
  EXPECT_EQ(SlopeAt(g, 60, 96), 0);
}

TEST_F(MapQueries, MustFallOverEmptyCellsOnly) {
  EXPECT_EQ(MustFall(g, 48, 96), 1);
  Put(2, 5, Tile::Wall);
  EXPECT_EQ(MustFall(g, 48, 96), 0);
  Put(2, 5, Tile::Item);  // an item left in the grid carries like a floor
  EXPECT_EQ(MustFall(g, 48, 96), 0);
  Put(2, 5, Tile::Empty);
  Put(3, 5, Tile::Spikes);
  EXPECT_EQ(MustFall(g, 50, 96), 0);  // half over spikes
}

TEST_F(MapQueries, MustFallOntoARisingRampBelow) {
  Put(3, 5, Tile::RisingSlope);
  EXPECT_EQ(MustFall(g, 60, 96), 1);  // left cell empty, ramp surface below
  Put(2, 5, Tile::Wall);
  EXPECT_EQ(MustFall(g, 60, 96), 0);  // solid ground under the left edge
}

TEST_F(MapQueries, MustFallAlongAFallingRamp) {
  Put(2, 5, Tile::FallingSlope);
  EXPECT_EQ(MustFall(g, 60, 96), 1);  // nothing under the right edge
  Put(3, 5, Tile::Wall);
  EXPECT_EQ(MustFall(g, 60, 96), 0);
  Put(3, 5, Tile::FallingFork);
  EXPECT_EQ(MustFall(g, 60, 96), 1);
}

TEST_F(MapQueries, BelowTheGridEverythingIsEmpty) {
  for (i32 c = 0; c < kGridSize; ++c)
    for (i32 r = 0; r < kGridSize; ++r) Put(c, r, Tile::Wall);
  const i32 below = 24 * kGridSize + 100;
  EXPECT_EQ(MustFall(g, 48, below), 1);
  EXPECT_EQ(HitsWallY(g, 48, below, 1), 0);
  EXPECT_EQ(HitsWallX(g, 48, below, 1), 0);
  EXPECT_EQ(IsOpenX(g, 48, below, -1), 1);
  EXPECT_EQ(SlopeAt(g, 48, below), 0);
  EXPECT_EQ(BounceCheck(g, 48, below, 1, 1), 0);
  EXPECT_EQ(MustFall(g, 48, 24 * 40), 1);  // last row: the row below it is outside
  EXPECT_EQ(MustFall(g, 24 * 40, 96), 0);
  EXPECT_EQ(HitsWallX(g, 24 * 40 + 4, 96, -1), 1);  // left column 40 is a wall...
  EXPECT_EQ(HitsWallX(g, 24 * 40 + 4, 96, 1), 0);   // ...its right one lies outside
  EXPECT_EQ(IsOpenX(g, 24 * 40 + 4, 96, 1), 1);
}

TEST_F(MapQueries, BounceCheckCornerHitReversesBoth) {
  // Box at (50, 100): columns 2..3, rows 4..5, heading right and down.
  Put(3, 4, Tile::Wall);  // one wall in the leading column
  EXPECT_EQ(BounceCheck(g, 50, 100, 1, 1), 0);
  Put(2, 5, Tile::Wall);  // one wall in the leading row as well
  EXPECT_EQ(BounceCheck(g, 50, 100, 1, 1), 3);
}

TEST_F(MapQueries, BounceCheckFullSides) {
  Put(3, 4, Tile::Wall);
  Put(3, 5, Tile::Wall);
  EXPECT_EQ(BounceCheck(g, 50, 100, 1, 1), 2);   // leading row 5: one wall only
  EXPECT_EQ(BounceCheck(g, 50, 100, 1, -1), 2);  // leading row 4: one wall only
  Put(2, 5, Tile::Wall);
  EXPECT_EQ(BounceCheck(g, 50, 100, 1, 1), 3);   // both sides full
  Put(2, 5, Tile::Empty);
  Put(3, 4, Tile::Empty);
  Put(3, 5, Tile::Empty);
  Put(2, 5, Tile::Wall);
  Put(3, 5, Tile::Wall);
  EXPECT_EQ(BounceCheck(g, 50, 100, -1, 1), 1);  // column 2: one wall; row 5: both
}

TEST_F(MapQueries, EnemyOverlapAloneFindsNothing) {
  g.EnemyCount = 1;
  EXPECT_EQ(EnemyOverlap(g, 0), 0);
}

TEST_F(MapQueries, EnemyOverlapSameSpotReportsEachOther) {
  g.EnemyCount = 2;
  g.EnemyX[0] = g.EnemyX[1] = 100;
  g.EnemyY[0] = g.EnemyY[1] = 50;
  EXPECT_EQ(EnemyOverlap(g, 0), 2);
  EXPECT_EQ(EnemyOverlap(g, 1), 1);
}

TEST_F(MapQueries, EnemyOverlapNeedsUnder24OnBothAxesAndTheLastMatchWins) {
  g.EnemyCount = 4;
  g.EnemyX[0] = 100, g.EnemyY[0] = 100;
  g.EnemyX[1] = 123, g.EnemyY[1] = 77;   // 23 and -23: overlaps
  g.EnemyX[2] = 76, g.EnemyY[2] = 100;   // 24 away: clear
  g.EnemyX[3] = 100, g.EnemyY[3] = 124;  // 24 away: clear
  EXPECT_EQ(EnemyOverlap(g, 0), 2);
  g.EnemyX[3] = 90, g.EnemyY[3] = 110;
  EXPECT_EQ(EnemyOverlap(g, 0), 4);
  g.EnemyCount = 3;  // enemies past the count are not looked at
  EXPECT_EQ(EnemyOverlap(g, 0), 2);
}

TEST(Sign, GivesTheSignOnly) {
  EXPECT_EQ(Sign(7), 1);
  EXPECT_EQ(Sign(-3), -1);
  EXPECT_EQ(Sign(0), 0);
  EXPECT_EQ(Sign(INT32_MIN), -1);
}

}  // namespace
