#include <gtest/gtest.h>

#include "game/KeyedPlayFixture.h"
#include "play/Touches.h"

using playtest::KeyedPlayFixture;
using playtest::SheetColor;

TEST(Touches, NeedsLessThanTwentyPixelsOnBothAxes) {
  EXPECT_TRUE(Touches(100, 100, 119, 81));
  EXPECT_FALSE(Touches(100, 100, 120, 100));
  EXPECT_FALSE(Touches(100, 100, 80, 100));
  EXPECT_FALSE(Touches(100, 100, 100, 120));
  EXPECT_FALSE(Touches(100, 100, 100, 80));
}

TEST(Items, AreListedColumnByColumnAndCollectedCloserThanTwentyPixels) {
  KeyedPlayFixture f;
  f.Floor();
  f->MapData[3][18] = Tile::Item;
  f->MapData[15][18] = Tile::Item;
  f.Begin(48, 432);
  ASSERT_EQ(f->ItemCount, 3);
  EXPECT_EQ(f->ItemsLeft, 3);
  EXPECT_EQ(f->ItemX[0], 72);
  EXPECT_EQ(f->ItemY[0], 432);
  EXPECT_EQ(f->MapData[3][18], Tile::Empty);

  f.Press(vk::Right);
  f.Tick();
  EXPECT_EQ(f->Player.X, 52);  // 20 pixels short: not yet
  EXPECT_GE(f->ItemPhase[0], 0);
  EXPECT_EQ(f.sounds.Count("get1.wav"), 0);
  f.Tick();
  EXPECT_EQ(f->ItemPhase[0], -1);
  EXPECT_EQ(f->ItemsLeft, 2);
  EXPECT_EQ(f.sounds.Count("get1.wav"), 1);
  EXPECT_EQ(f->Score, 0);
  f.Tick(3);
  EXPECT_EQ(f->ItemsLeft, 2);
  EXPECT_EQ(f.sounds.Count("get1.wav"), 1);
}

TEST(Items, BlinkBetweenTwoFramesFourTicksEach) {
  KeyedPlayFixture f;
  f.Floor();
  f->MapData[10][18] = Tile::Item;
  f.Begin(48, 432);
  f->ItemPhase[0] = 0;
  const int frames[] = {0, 0, 0, 0, 1, 1, 1, 1, 0};
  for (int frame : frames) {
    f.Tick();
    EXPECT_EQ(KeyedPlayFixture::BoxColor(f->ShownField, 240, 432), SheetColor(1, 128 + 32 * frame, 0));
  }
  EXPECT_EQ(f->ItemPhase[0], 1);
}

TEST(Items, ACollectedItemIsNoLongerDrawn) {
  KeyedPlayFixture f;
  f.Floor();
  f->MapData[2][18] = Tile::Item;
  f.Begin(48, 432);
  f.Tick();
  EXPECT_EQ(f->ItemPhase[0], -1);
  f.Tick();
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->ShownField, 48, 432), SheetColor(1, 64, 64));
}
