#include <gtest/gtest.h>

#include "game/KeyedPlayFixture.h"

using playtest::KeyedPlayFixture;
using playtest::SheetColor;

TEST(Jump, StandingJumpRisesOneCellAndLandsBackAfterTwelveFrames) {
  KeyedPlayFixture f;
  f.Floor();
  f.Begin(48, 432);
  f.Press(vk::Space);
  f.Tick();
  f.Release(vk::Space);
  EXPECT_EQ(f.sounds.Played, std::vector<std::string>{"jump1.wav"});

  const int heights[] = {424, 418, 414, 410, 408, 408, 408, 410, 414, 418, 424, 432};
  for (int tick = 1; tick <= 12; ++tick) {
    if (tick > 1) f.Tick();
    EXPECT_EQ(f->Player.Y, heights[tick - 1]) << "tick " << tick;
    EXPECT_EQ(f->Player.X, 48);
    const Pixel sprite = KeyedPlayFixture::BoxColor(f->FrameImage, 48, f->Player.Y);
    if (tick < 7) {
      EXPECT_EQ(sprite, SheetColor(1, 0, 64)) << "rising at tick " << tick;
    } else if (tick < 12) {
      EXPECT_EQ(sprite, SheetColor(1, 192, 64)) << "descending at tick " << tick;
    }
  }
  EXPECT_EQ(f->Player.Jumping, 0);
  EXPECT_EQ(f.sounds.Count("landing2.wav"), 1);
  f.Tick();
  EXPECT_EQ(f->Player.Y, 432);
}

TEST(Jump, HoldingSpaceJumpsAgainOnceBackOnTheGround) {
  KeyedPlayFixture f;
  f.Floor();
  f.Begin(48, 432);
  f.Press(vk::Space);
  f.Tick(12);
  EXPECT_EQ(f->Player.Y, 432);
  f.Tick();
  EXPECT_EQ(f->Player.Y, 424);
  EXPECT_EQ(f.sounds.Count("jump1.wav"), 2);
}

TEST(Jump, RunningJumpClearsAOneCellGapAndLandsTwoCellsOn) {
  KeyedPlayFixture f;
  f.Floor();
  f.Draw(19, {"####.#"});
  f.Begin(48, 432);
  f.Press(vk::Right);
  f.Tick(6);
  EXPECT_EQ(f->Player.X, 72);
  f.Press(vk::Space);
  f.Tick();
  f.Release(vk::Space);
  EXPECT_EQ(f->Player.X, 76);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 76, f->Player.Y), SheetColor(1, 0, 64));
  f.Tick(11);
  EXPECT_EQ(f->Player.X, 120);
  EXPECT_EQ(f->Player.Y, 432);
  EXPECT_EQ(f->Player.Jumping, 0);
  EXPECT_EQ(f.sounds.Count("landing2.wav"), 1);
  f.Tick();
  EXPECT_EQ(f->Player.X, 124);
}

TEST(Jump, JumpingLeftShowsTheLeftFacingPoses) {
  KeyedPlayFixture f;
  f.Floor();
  f.Begin(240, 432);
  f.Press(vk::Left);
  f.Press(vk::Space);
  f.Tick();
  f.Release(vk::Space);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 236, 424), SheetColor(1, 96, 64));
  f.Tick(6);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, f->Player.X, f->Player.Y), SheetColor(1, 224, 64));
}

TEST(Fall, WalkingOffALedgeOneCellHighTakesOneFrame) {
  KeyedPlayFixture f;
  f.Floor();
  f.Draw(18, {"####"});
  f.Begin(72, 408);
  f.Press(vk::Right);
  f.Tick(6);
  EXPECT_EQ(f->Player.X, 96);
  EXPECT_EQ(f->Player.Y, 408);
  EXPECT_EQ(f->Player.Jumping, 1);
  EXPECT_EQ(f.sounds.Count("landing2.wav"), 0);
  f.Tick();
  EXPECT_EQ(f->Player.X, 100);
  EXPECT_EQ(f->Player.Y, 432);
  EXPECT_EQ(f->Player.Jumping, 0);
  EXPECT_EQ(f.sounds.Count("landing2.wav"), 1);
}

TEST(Fall, DropsFasterEachFrameButNeverMoreThanOneCell) {
  KeyedPlayFixture f;
  f.Floor();
  f.Draw(1, {"#"});
  f.Begin(0, 0);
  f.Press(vk::Right);
  f.Tick(6);
  f.Release(vk::Right);
  // Off the ledge at x 24: this frame only starts the fall.
  EXPECT_EQ(f->Player.Y, 0);
  EXPECT_EQ(f->Player.Jumping, 1);
  std::vector<int> drops;
  int y = f->Player.Y;
  while (f->Player.Jumping == 1 && drops.size() < 100) {
    f.Tick();
    drops.push_back(f->Player.Y - y);
    y = f->Player.Y;
  }
  const std::vector<int> expected = {24, 8, 10, 12, 12, 14, 16, 16, 18, 20, 20, 22, 24, 24, 24};
  ASSERT_GE(drops.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(drops[k], expected[k]) << "frame " << k;
  for (int d : drops) EXPECT_LE(d, 24);
  EXPECT_EQ(f->Player.Y, 432);
}

TEST(Jump, AgainstAWallSnapsToItLandsAndFallsInTheSameFrame) {
  KeyedPlayFixture f;
  f.Floor();
  f.Draw(15, {"......#", "......#", "......#", "......#"});
  f.Begin(96, 432);
  f.Press(vk::Right);
  f.Press(vk::Space);
  f.Tick();
  f.Release(vk::Space);
  f.Release(vk::Right);
  f.Tick(5);
  EXPECT_EQ(f->Player.X, 120);
  EXPECT_EQ(f.sounds.Count("landing2.wav"), 0);
  f.Tick();  // tick 7: x 124 would reach the wall of column 6
  EXPECT_EQ(f->Player.X, 120);
  EXPECT_EQ(f->Player.Y, 408);
  EXPECT_EQ(f.sounds.Count("landing2.wav"), 1);
  EXPECT_EQ(f->Player.Jumping, 1);
  EXPECT_EQ(f->Player.JumpTick, 11);
  EXPECT_EQ(f->Player.JumpDX, 0);
  f.Tick();
  EXPECT_EQ(f->Player.Y, 432);
  EXPECT_EQ(f->Player.Jumping, 0);
}

TEST(Jump, NoTakeOffFromALadder) {
  KeyedPlayFixture f;
  f.Floor();
  f.Draw(18, {"..H"});
  f.Begin(48, 432);
  f.Press(vk::Space);
  f.Tick();
  EXPECT_EQ(f->Player.Jumping, 0);
  EXPECT_EQ(f->Player.Y, 432);
  EXPECT_EQ(f.sounds.Count("jump1.wav"), 0);
}

TEST(Jump, ACeilingStopsTheRise) {
  KeyedPlayFixture f;
  f.Floor();
  f.Draw(17, {"..#"});
  f.Begin(48, 432);
  f.Press(vk::Space);
  f.Tick();
  f.Release(vk::Space);
  EXPECT_EQ(f->Player.Y, 432);  // rose into the wall of row 17 and was put back under it
  EXPECT_EQ(f.sounds.Count("landing2.wav"), 1);
  EXPECT_EQ(f->Player.Jumping, 0);
}
