#include <gtest/gtest.h>

#include <algorithm>

#include "game/KeyedPlayFixture.h"
#include "play/Messages.h"

using playtest::KeyedPlayFixture;

namespace {

int TimesDrawn(const KeyedPlayFixture& f, const std::string& line) {
  return static_cast<int>(std::count(f.text.Lines.begin(), f.text.Lines.end(), line));
}

}  // namespace

TEST(ClearJump, SpeedCarriesTheCharacterOutOfTheTop) {
  EXPECT_EQ(ClearJumpSpeed(432), -31);
  EXPECT_EQ(ClearJumpSpeed(96), -16);
  EXPECT_EQ(ClearJumpSpeed(0), -2);
  for (int y = 0; y <= 480; ++y) {
    const int s = -ClearJumpSpeed(y);
    EXPECT_GT(s * (s + 1) / 2, y) << "y " << y;
  }
}

TEST(ClearJump, FromTheFloorTheStageEndsTwentyOneFramesLater) {
  KeyedPlayFixture f;
  f.spareItem = false;
  f.Floor();
  f->MapData[3][18] = Tile::Item;
  f.Begin(48, 432);
  f.music.Calls.clear();
  f.Press(vk::Right);
  f.Tick(2);
  EXPECT_EQ(f->ItemsLeft, kClearJumpLaunched);
  EXPECT_EQ(f->Player.State, -31);
  EXPECT_EQ(f->Score, 0);
  EXPECT_EQ(TimesDrawn(f, "- CLEAR!! -"), 1);
  EXPECT_EQ(f->ShownField.At(231, 205), FromColorRef(0x0000FF));
  f.Tick(20);
  EXPECT_TRUE(f->Timer1.Enabled);
  EXPECT_EQ(f->Player.Y, 2);
  f.Tick();
  EXPECT_FALSE(f->Timer1.Enabled);
  EXPECT_TRUE(f->ClearTimer.Enabled);
  EXPECT_EQ(f->Player.Y, -9);
  EXPECT_EQ(TimesDrawn(f, "- CLEAR!! -"), 22);
  const std::vector<std::string> expected = {"Stop", "Close", "Open clear.mid", "Play"};
  EXPECT_EQ(f.music.Calls, expected);
  EXPECT_EQ(f.sounds.Count("landing2.wav"), 0);
}

TEST(ClearJump, FromTheTopRowTheStageEndsOnTheNextFrame) {
  KeyedPlayFixture f;
  f.spareItem = false;
  f.Floor(1);
  f->MapData[3][0] = Tile::Item;
  f.Begin(56, 0);
  f.Tick();
  EXPECT_EQ(f->Player.State, -2);
  EXPECT_TRUE(f->Timer1.Enabled);
  f.Tick();
  EXPECT_EQ(f->Player.Y, -2);
  EXPECT_FALSE(f->Timer1.Enabled);
  EXPECT_TRUE(f->ClearTimer.Enabled);
}

TEST(ClearJump, OverridesTheMissHop) {
  KeyedPlayFixture f;
  f.spareItem = false;
  f.Floor();
  f->MapData[2][19] = Tile::Spikes;
  f->MapData[2][17] = Tile::Item;
  f.Begin(48, 432);
  f.Tick();
  EXPECT_EQ(f->Player.State, kMissHop);
  EXPECT_EQ(f->ItemsLeft, 1);
  f.Tick();  // the hop lifts the character within reach of the item above
  EXPECT_EQ(f->Player.Y, 427);
  EXPECT_EQ(f->ItemsLeft, kClearJumpLaunched);
  EXPECT_EQ(f->Player.State, -31);
  for (int n = 0; n < 40 && f->Timer1.Enabled; ++n) f.Tick();
  EXPECT_TRUE(f->ClearTimer.Enabled);
  EXPECT_EQ(f->Lives, 3);
}
