#include <gtest/gtest.h>

#include "game/KeyedPlayFixture.h"
#include "play/Uncover.h"

using playtest::KeyedPlayFixture;
using playtest::SheetColor;

namespace {

const Pixel kWallTile = SheetColor(1, 32, 0);

// On the floor of row 19, in column 2.
struct Walking : ::testing::Test {
  void SetUp() override {
    f.Floor();
    f.Begin(48, 432);
  }
  KeyedPlayFixture f;
};

}  // namespace

TEST_F(Walking, RightMovesFourPixelsAFrameAndRecordsEachWallStoodOnOnce) {
  f.Press(vk::Right);
  f.Tick();
  EXPECT_EQ(f->Player.X, 52);
  EXPECT_EQ(f->RevealCount, 0);  // the start cell was left before it counted
  f.Tick(11);
  EXPECT_EQ(f->Player.X, 96);
  ASSERT_EQ(f->RevealCount, 2);
  EXPECT_EQ(f->RevealX[0], 3);
  EXPECT_EQ(f->RevealY[0], 19);
  EXPECT_EQ(f->RevealX[1], 4);
  EXPECT_EQ(f->RevealY[1], 19);

  f.Release(vk::Right);
  f.Press(vk::Left);
  f.Tick(12);
  EXPECT_EQ(f->Player.X, 48);
  ASSERT_EQ(f->RevealCount, 3);
  EXPECT_EQ(f->RevealX[2], 2);
  EXPECT_EQ(f->Revealed[2][19], 1);
  f.Release(vk::Left);
  f.Tick(5);
  EXPECT_EQ(f->RevealCount, 3);
}

TEST_F(Walking, TheCellUnderFootShowsOnlyWhenStandingExactlyOnIt) {
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->UncoveredImage, 72, 456), kBlack);
  f.Press(vk::Right);
  f.Tick(5);
  EXPECT_EQ(f->Player.X, 68);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->UncoveredImage, 72, 456), kBlack);
  f.Tick();
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->UncoveredImage, 72, 456), kWallTile);
  EXPECT_EQ(f->ShownField.At(72 + 12, 456 + 12), kWallTile);
}

TEST_F(Walking, LeftAndRightTogetherGoRight) {
  f.Press(vk::Left);
  f.Press(vk::Right);
  f.Tick();
  EXPECT_EQ(f->Player.X, 52);
}

TEST_F(Walking, StoppingAfterWalkingLeftFacesRightInTheFrameOfItsX) {
  f.Press(vk::Left);
  f.Tick();
  EXPECT_EQ(f->Player.X, 44);
  // Facing left, frame (44 mod 32) div 8 = 1.
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 44, 432), SheetColor(1, 96 + 32, 64));
  f.Release(vk::Left);
  f.Tick();
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 44, 432), SheetColor(1, 32, 64));
}

TEST_F(Walking, WalkFramesRunZeroOneTwoOne) {
  f.Press(vk::Right);
  // x 52, 56, 60, 64 ...: frames by (x mod 32) div 8 with 3 shown as 1.
  const int expected[] = {2, 1, 1, 0, 0, 1, 1, 2, 2, 1};
  for (int frame : expected) {
    f.Tick();
    EXPECT_EQ(KeyedPlayFixture::BoxColor(f->ShownField, f->Player.X, 432), SheetColor(1, 32 * frame, 64))
        << "x " << f->Player.X;
  }
}

TEST_F(Walking, TheRightEdgeHoldsTheCharacterAt528) {
  f->Player.X = 520;
  f.Press(vk::Right);
  f.Tick(4);
  EXPECT_EQ(f->Player.X, 528);
}

TEST_F(Walking, BumpingIntoAWallUncoversIt) {
  f.Draw(18, {"#"});
  ListItemsAndPaint(*f);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->UncoveredImage, 0, 432), kBlack);
  f->Player.X = 28;
  f.Press(vk::Left);
  f.Tick();
  EXPECT_EQ(f->Player.X, 24);
  f.Tick();
  EXPECT_EQ(f->Player.X, 24);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->UncoveredImage, 0, 432), kWallTile);
}

TEST(Reveal, SpikesUnderFootAreNotRecorded) {
  KeyedPlayFixture f;
  f.Floor();
  f->MapData[2][19] = Tile::Spikes;
  f.Begin(48, 432);
  f.Tick();
  EXPECT_EQ(f->Player.State, -5);
  EXPECT_EQ(f->RevealCount, 0);
  EXPECT_EQ(f->Revealed[2][19], 0);
}

TEST(RevealList, StopsRecordingWhenItsEntriesAreFull) {
  KeyedPlayFixture f;
  for (int c = 0; c < kGridSize; ++c)
    for (int r = 0; r < kGridSize; ++r) f->MapData[c][r] = Tile::Wall;
  for (int c = 0; c < kGridSize; ++c)
    for (int r = 0; r < kGridSize; ++r) RecordStoodOnWall(*f, c, r);
  EXPECT_EQ(f->RevealCount, kRevealSlots);
  EXPECT_EQ(f->RevealX[kRevealSlots - 1], (kRevealSlots - 1) / kGridSize);
  EXPECT_EQ(f->Revealed[40][40], 1);
  RecordStoodOnWall(*f, -1, 3);
  RecordStoodOnWall(*f, 3, 41);
  EXPECT_EQ(f->RevealCount, kRevealSlots);
}

TEST(Timer1, DoesNothingWhilePaused) {
  KeyedPlayFixture f;
  f.Floor();
  f.Begin(48, 432);
  f.Press(vk::Right);
  f.Press('P');
  EXPECT_EQ(f->Paused, 1);
  f.Tick(3);
  EXPECT_EQ(f->Player.X, 48);
  f.Press('P');
  f.Tick();
  EXPECT_EQ(f->Player.X, 52);
}
