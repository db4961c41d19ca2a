#include <gtest/gtest.h>

#include "play/PlayFixture.h"

using playtest::PlayFixture;
using playtest::SheetColor;

namespace {

// A floor with a one-cell gap in column 5; the player stands far off at the
// right, the chaser comes from the left.
struct Chaser : ::testing::Test {
  void SetUp() override {
    f.Floor();
    f->MapData[5][19] = Tile::Empty;
  }
  PlayFixture f;
};

}  // namespace

TEST_F(Chaser, JumpsAOneCellGapInTwelveTicksAndWalksOnAsItLands) {
  f.PlaceEnemy(EnemyKind::Chaser, 96, 432, 4, 0);
  f.Begin(480, 432);
  const int heights[] = {424, 418, 414, 410, 408, 408, 408, 410, 414, 418, 424};
  for (int tick = 1; tick <= 11; ++tick) {
    f.Tick();
    EXPECT_EQ(f->EnemyX[0], 96 + 4 * tick);
    EXPECT_EQ(f->EnemyY[0], heights[tick - 1]) << "tick " << tick;
    EXPECT_EQ(f->EnemyJumping[0], 1);
  }
  f.Tick();
  EXPECT_EQ(f->EnemyJumping[0], 0);
  EXPECT_EQ(f->EnemyY[0], 432);
  EXPECT_EQ(f->EnemyX[0], 148);
  // Walking right: the right-facing frames.
  EXPECT_EQ(PlayFixture::BoxColor(f->FrameImage, 148, 432), SheetColor(1, 64, 128));  // phase of x 148 is 0
}

TEST_F(Chaser, AWallAboveItsHeadMakesItWalkOffInstead) {
  f->MapData[4][17] = Tile::Wall;
  f.PlaceEnemy(EnemyKind::Chaser, 96, 432, 4, 0);
  f.Begin(480, 432);
  f.Tick(5);
  EXPECT_EQ(f->EnemyX[0], 116);
  EXPECT_EQ(f->EnemyY[0], 432);
  EXPECT_EQ(f->EnemyJumping[0], 0);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 120);
  EXPECT_EQ(f->EnemyJumping[0], 1);
  EXPECT_EQ(f->EnemyJumpTick[0], 8);
  EXPECT_EQ(f->EnemyJumpX[0], 88);
  EXPECT_EQ(f->EnemyJumpY[0], 456);
}

TEST_F(Chaser, StandingStillItTurnsTowardThePlayerButMovesOnlyNextTick) {
  f.PlaceEnemy(EnemyKind::Chaser, 240, 432, 0, 0);
  f.Begin(24, 432);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 240);
  EXPECT_EQ(f->EnemyDX[0], -4);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 236);
}

TEST_F(Chaser, ClimbsALadderTowardThePlayersHeight) {
  for (int r = 10; r <= 18; ++r) f->MapData[10][r] = Tile::Ladder;
  f->MapData[2][10] = Tile::Wall;
  f.PlaceEnemy(EnemyKind::Chaser, 240, 432, 4, 0);
  f.Begin(48, 216);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 240);
  EXPECT_EQ(f->EnemyY[0], 428);
  EXPECT_EQ(f->EnemyDX[0], 0);
  // Climbing shows the climbing frames, by height.
  EXPECT_EQ(PlayFixture::BoxColor(f->FrameImage, 240, 428), SheetColor(1, 160, 128));
}

TEST_F(Chaser, OnALadderAtThePlayersHeightItWalksTowardThePlayer) {
  for (int r = 10; r <= 18; ++r) f->MapData[10][r] = Tile::Ladder;
  f.PlaceEnemy(EnemyKind::Chaser, 240, 432, 0, 0);
  f.Begin(480, 432);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 244);
  EXPECT_EQ(f->EnemyDX[0], 4);
}

TEST_F(Chaser, TurnsAtAWallFlushAgainstIt) {
  f->MapData[8][18] = Tile::Wall;
  f.PlaceEnemy(EnemyKind::Chaser, 164, 432, 4, 0);
  f.Begin(480, 432);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 168);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 168);
  EXPECT_EQ(f->EnemyDX[0], -4);
}

TEST_F(Chaser, IsKeptInsideTheFieldAndTurnedBack) {
  f.PlaceEnemy(EnemyKind::Chaser, 528, 432, 4, 0);
  f.Begin(24, 432);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 528);
  EXPECT_EQ(f->EnemyDX[0], -4);
}

TEST_F(Chaser, FallingOutThroughTheBottomItIsGoneForGood) {
  f->MapData[5][19] = Tile::Empty;
  f.PlaceEnemy(EnemyKind::Chaser, 120, 432, 0, 0);
  f.Begin(480, 432);
  int previous = f->EnemyY[0];
  for (int n = 0; n < 60; ++n) {
    f.Tick();
    EXPECT_LE(f->EnemyY[0] - previous, 24);
    previous = f->EnemyY[0];
  }
  EXPECT_GT(f->EnemyY[0], 960);
  EXPECT_LE(f->EnemyY[0], 984);
  const i32 y = f->EnemyY[0];
  const i32 tick = f->EnemyJumpTick[0];
  f.Tick(5);
  EXPECT_EQ(f->EnemyY[0], y);
  EXPECT_EQ(f->EnemyJumpTick[0], tick);
}

TEST_F(Chaser, BelowTheFieldItStillMovesAt960AndIsGoneJustBelow) {
  f.PlaceEnemy(EnemyKind::Chaser, 96, 960, 4, 0);
  f.PlaceEnemy(EnemyKind::Chaser, 288, 961, 4, 0);
  f.Begin(480, 432);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 100);
  EXPECT_EQ(f->EnemyJumping[0], 1);
  EXPECT_EQ(f->EnemyX[1], 288);
  EXPECT_EQ(f->EnemyY[1], 961);
  EXPECT_EQ(f->EnemyJumping[1], 0);
}

TEST(Overlap, TwoWalkersTurnAwayFromEachOther) {
  PlayFixture f;
  f.Floor();
  f.PlaceEnemy(EnemyKind::Chaser, 96, 432, 4, 0);
  f.PlaceEnemy(EnemyKind::Chaser, 112, 432, -4, 0);
  f.Begin(480, 432);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 92);
  EXPECT_EQ(f->EnemyDX[0], -4);
  EXPECT_EQ(f->EnemyX[1], 116);
  EXPECT_EQ(f->EnemyDX[1], 4);
}

TEST(Overlap, AWalkerLeftWithoutAStepTakesARandomOne) {
  PlayFixture f;
  f.Floor();
  f.PlaceEnemy(EnemyKind::Chaser, 96, 432, 0, 0);
  f.PlaceEnemy(EnemyKind::Climber, 300, 432, 4, 0);
  f.PlaceEnemy(EnemyKind::Chaser, 104, 432, 4, 0);
  f.Begin(480, 432);
  const i32 d = f.NextDraws({2})[0] * 8 - 4;
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 96 + d);
  EXPECT_EQ(f->EnemyDX[0], d);
}
