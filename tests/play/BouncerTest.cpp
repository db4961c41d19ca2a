#include <gtest/gtest.h>

#include "play/PlayFixture.h"

using playtest::PlayFixture;
using playtest::SheetColor;

TEST(Bouncer, FliesDiagonallyAndBouncesOffTheFieldBorder) {
  PlayFixture f;
  f.PlaceEnemy(EnemyKind::Bouncer, 524, 240, 1, 1);
  f.Begin(24, 24);
  f->Player.OnLift = 1;  // keep the character where it is
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 528);
  EXPECT_EQ(f->EnemyY[0], 244);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 528);
  EXPECT_EQ(f->EnemyDX[0], -1);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 524);
  EXPECT_EQ(f->EnemyY[0], 252);
  EXPECT_EQ(PlayFixture::BoxColor(f->FrameImage, 524, 252), SheetColor(1, 64, 192));
}

TEST(Bouncer, TurnsAtAWallColumn) {
  PlayFixture f;
  for (int r = 0; r <= 19; ++r) f->MapData[5][r] = Tile::Wall;
  f.PlaceEnemy(EnemyKind::Bouncer, 96, 96, 1, 1);
  f.Begin(480, 24);
  f->Player.OnLift = 1;
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 96);
  EXPECT_EQ(f->EnemyY[0], 96);
  EXPECT_EQ(f->EnemyDX[0], -1);
  EXPECT_EQ(f->EnemyDY[0], 1);
  f.Tick();
  EXPECT_EQ(f->EnemyX[0], 92);
  EXPECT_EQ(f->EnemyY[0], 100);
  EXPECT_EQ(f->EnemyJumping[0], 0);
}

TEST(Bouncer, StuckThreeTicksItReversesThenJitters) {
  PlayFixture f;
  // One empty cell, (5, 10), walled in on every side.
  for (int c = 4; c <= 6; ++c)
    for (int r = 9; r <= 11; ++r) f->MapData[c][r] = Tile::Wall;
  f->MapData[5][10] = Tile::Empty;
  f.PlaceEnemy(EnemyKind::Bouncer, 120, 240, 1, 1);
  f.Begin(480, 24);
  f->Player.OnLift = 1;
  f.Tick();
  EXPECT_EQ(f->EnemyJumping[0], 1);
  EXPECT_EQ(f->EnemyDX[0], -1);
  EXPECT_EQ(f->EnemyDY[0], -1);
  f.Tick();
  EXPECT_EQ(f->EnemyJumping[0], 2);
  EXPECT_EQ(f->EnemyDX[0], 1);
  EXPECT_EQ(f->EnemyDY[0], 1);
  f.Tick();
  EXPECT_EQ(f->EnemyJumping[0], 3);
  EXPECT_EQ(f->EnemyDX[0], 1);  // bounced to -1, then reversed
  EXPECT_EQ(f->EnemyDY[0], 1);
  EXPECT_EQ(f->EnemyX[0], 120);
  EXPECT_EQ(f->EnemyY[0], 240);

  const std::vector<i32> jitter = f.NextDraws({3, 3});
  f.Tick();
  EXPECT_EQ(f->EnemyJumping[0], 4);
  EXPECT_EQ(f->EnemyX[0], 120 + (jitter[0] - 1) * 4);
  EXPECT_EQ(f->EnemyY[0], 240 + (jitter[1] - 1) * 4);
  EXPECT_EQ(f->EnemyDX[0], -1);
}
