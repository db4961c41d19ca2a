#include <gtest/gtest.h>

#include "game/KeyedPlayFixture.h"

using playtest::KeyedPlayFixture;
using playtest::SheetColor;

namespace {

// A shaft in column `column`: upper end in row 10, lower end in row 18, the
// lift resting at the lower end; the character stands on the floor of row
// 18 beside it, on column - 1.
struct Lift : ::testing::Test {
  void Build(int column) {
    f.Floor();
    for (int c = 0; c <= 22; ++c) f->MapData[c][18] = Tile::Wall;
    f->MapData[column][10] = Tile::ShaftTop;
    f->MapData[column][18] = Tile::ShaftBottom;
    f.PlaceLift(24 * column, 432, -1);
  }
  KeyedPlayFixture f;
};

}  // namespace

TEST_F(Lift, StaysHiddenUntilSteppedOn) {
  Build(5);
  f.Begin(72, 408);
  f.Tick();
  EXPECT_EQ(f->LiftSeen[0], 0);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 120, 432), kBlack);
}

TEST_F(Lift, BoardingStartsItAndShowsIt) {
  Build(5);
  f.Begin(96, 408);
  f.Press(vk::Right);
  f.Tick(6);
  EXPECT_EQ(f->Player.X, 120);
  EXPECT_EQ(f->Player.OnLift, 1);
  EXPECT_EQ(f->LiftMoving[0], 1);
  EXPECT_EQ(f->LiftSeen[0], 1);
  EXPECT_EQ(f->LiftY[0], 428);
  EXPECT_EQ(f->Player.Y, 404);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 120, 428), SheetColor(1, 288, 192));
}

TEST_F(Lift, CarriesTheCharacterWhateverTheKeysSay) {
  Build(5);
  f.Begin(96, 408);
  f.Press(vk::Right);
  f.Tick(6);
  f.Press(vk::Space);
  f.Tick(10);
  EXPECT_EQ(f->Player.X, 120);
  EXPECT_EQ(f->Player.Y, 364);
  EXPECT_EQ(f->LiftY[0], 388);
  EXPECT_EQ(f->Player.Jumping, 0);
}

TEST_F(Lift, StopsAtTheUpperEndTurnsAndPushesTheCharacterRight) {
  Build(5);
  f.Begin(96, 408);
  f.Press(vk::Right);
  f.Tick(6);
  f.Release(vk::Right);
  f.Tick(46);
  EXPECT_EQ(f->LiftMoving[0], 1);
  EXPECT_EQ(f->LiftY[0], 244);
  f.Tick();
  EXPECT_EQ(f->LiftY[0], 240);
  EXPECT_EQ(f->LiftMoving[0], 0);
  EXPECT_EQ(f->LiftDir[0], 1);
  EXPECT_EQ(f->Player.OnLift, 0);
  EXPECT_EQ(f->Player.X, 124);
  EXPECT_EQ(f->Player.Y, 216);
  // Standing beside the lift's exact place, it does not board again.
  f.Tick(3);
  EXPECT_EQ(f->LiftMoving[0], 0);
  EXPECT_EQ(f->Player.X, 124);
  EXPECT_EQ(f->Player.Y, 216);
}

TEST_F(Lift, AtTheRightEdgeThePushGoesLeft) {
  Build(22);
  f.Begin(504, 408);
  f.Press(vk::Right);
  f.Tick(6);
  f.Release(vk::Right);
  EXPECT_EQ(f->Player.OnLift, 1);
  f.Tick(47);
  EXPECT_EQ(f->LiftMoving[0], 0);
  EXPECT_EQ(f->Player.X, 524);
  EXPECT_EQ(f->Player.OnLift, 0);
}

TEST_F(Lift, AnotherLiftStoppingLeavesTheRiderAlone) {
  Build(5);
  // A second shaft in column 9 whose lift is already on its way up and
  // reaches its upper end after a few frames.
  f->MapData[9][14] = Tile::ShaftTop;
  f->MapData[9][18] = Tile::ShaftBottom;
  f.PlaceLift(216, 368, -1);
  f->LiftMoving[1] = 1;
  f.Begin(96, 408);
  f.Press(vk::Right);
  f.Tick(6);
  f.Release(vk::Right);
  f.Tick();
  EXPECT_EQ(f->LiftMoving[1], 1);
  f.Tick();
  EXPECT_EQ(f->LiftMoving[1], 0);
  EXPECT_EQ(f->LiftY[1], 336);
  EXPECT_EQ(f->Player.X, 120);
  EXPECT_EQ(f->Player.OnLift, 1);
  EXPECT_EQ(f->Player.Y, 396);
  EXPECT_EQ(f->LiftY[0], 420);
}

TEST_F(Lift, AMissOnTheLiftEndsTheRideAtTheStart) {
  Build(5);
  f.Begin(96, 408);
  f.Press(vk::Right);
  f.Tick(6);
  f.Release(vk::Right);
  f.Tick(4);
  EXPECT_EQ(f->Player.OnLift, 1);
  f.Press('R');
  f.Press('R');  // two requests: an ordinary miss
  f.Tick(60);
  EXPECT_TRUE(f->Player.State == -200 || f->Player.State == -201) << f->Player.State;
  EXPECT_EQ(f->Lives, 2);
  EXPECT_EQ(f->Player.X, 96);
  EXPECT_EQ(f->Player.Y, 408);
  EXPECT_EQ(f->Player.OnLift, 0);
  f.Press(vk::Left);
  f.Tick(2);
  EXPECT_EQ(f->Player.X, 92);
}
