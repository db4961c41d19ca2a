#include <gtest/gtest.h>

#include "game/KeyedPlayFixture.h"

using playtest::KeyedPlayFixture;
using playtest::SheetColor;

namespace {

// A ladder in column 4 from row 10 down to the floor of row 19.
struct Ladder : ::testing::Test {
  void SetUp() override {
    f.Floor();
    for (int r = 10; r <= 18; ++r) f->MapData[4][r] = Tile::Ladder;
  }
  KeyedPlayFixture f;
};

}  // namespace

TEST_F(Ladder, UpClimbsToTheTopAndStandsThere) {
  f.Begin(96, 432);
  f.Press(vk::Up);
  f.Tick();
  EXPECT_EQ(f->Player.Y, 428);
  // Climbing frames change every 8 pixels of height.
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 96, 428), SheetColor(1, 288, 64));
  f.Tick(2);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 96, 420), SheetColor(1, 256, 64));
  f.Tick(51);
  EXPECT_EQ(f->Player.Y, 216);
  f.Tick(5);
  EXPECT_EQ(f->Player.Y, 216);
  EXPECT_EQ(f->Player.Jumping, 0);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 96, 216), SheetColor(1, 0, 64));
}

TEST_F(Ladder, DownFromTheTopClimbsBackToTheFloor) {
  f.Begin(96, 216);
  f.Press(vk::Down);
  f.Tick();
  EXPECT_EQ(f->Player.Y, 220);
  f.Tick(60);
  EXPECT_EQ(f->Player.Y, 432);
}

TEST_F(Ladder, UpAndDownTogetherGoDown) {
  f.Begin(96, 300);
  f.Press(vk::Up);
  f.Press(vk::Down);
  f.Tick();
  EXPECT_EQ(f->Player.Y, 304);
}

TEST_F(Ladder, HangsOnTheLadderWhileNoKeyIsHeld) {
  f.Begin(96, 300);
  f.Tick(3);
  EXPECT_EQ(f->Player.Y, 300);
  EXPECT_EQ(f->Player.Jumping, 0);
}

TEST_F(Ladder, CatchingTheLadderCentresTheCharacterOnIt) {
  f.Begin(100, 432);
  f.Press(vk::Up);
  f.Tick();
  EXPECT_EQ(f->Player.X, 96);
  EXPECT_EQ(f->Player.Y, 428);
}

TEST_F(Ladder, ClimbingIntoACeilingUncoversIt) {
  f->MapData[4][9] = Tile::Wall;
  f.Begin(96, 264);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->UncoveredImage, 96, 216), kBlack);
  f.Press(vk::Up);
  f.Tick(6);
  EXPECT_EQ(f->Player.Y, 240);
  f.Tick();
  EXPECT_EQ(f->Player.Y, 240);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->UncoveredImage, 96, 216), SheetColor(1, 32, 0));
}
