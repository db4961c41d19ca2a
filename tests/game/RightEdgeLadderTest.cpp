#include <gtest/gtest.h>

#include "game/KeyedPlayFixture.h"

using playtest::KeyedPlayFixture;

namespace {

// A ladder in the rightmost column from row 10 down to the floor of row 19.
struct RightEdgeLadder : ::testing::Test {
  void SetUp() override {
    f.Floor();
    for (int r = 10; r <= 18; ++r) f->MapData[22][r] = Tile::Ladder;
  }
  KeyedPlayFixture f;
};

}  // namespace

// Climbing down with Left held, the floor cell in the character's own column
// counts as a wall beside it and pushes it one cell right: at the right edge
// that cell lies outside the field, and the floor must still hold it there.
TEST_F(RightEdgeLadder, ClimbingDownWithLeftHeldNeverSinksThroughTheFloor) {
  f.Begin(528, 384);
  f.Press(vk::Down);
  f.Press(vk::Left);
  for (int frame = 0; frame < 30; ++frame) {
    f.Tick();
    ASSERT_LE(f->Player.Y, 432) << "frame " << frame;
    ASSERT_EQ(f->Player.Jumping, 0) << "frame " << frame;
  }
  EXPECT_EQ(f->Player.X, 528);
  EXPECT_EQ(f->Player.Y, 432);
  EXPECT_EQ(f->Player.State, kInPlay);
}
