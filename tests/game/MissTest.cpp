#include <gtest/gtest.h>

#include "game/KeyedPlayFixture.h"

using playtest::KeyedPlayFixture;
using playtest::SheetColor;

namespace {

const Pixel kLifeIcon = SheetColor(1, 192, 128);

// Spikes in column 5 of the floor; the character walks onto them from x 96.
struct Spikes : ::testing::Test {
  void SetUp() override {
    f.Floor();
    f->MapData[5][19] = Tile::Spikes;
    f->MapData[4][18] = Tile::Item;  // collected in the first frame
    f.Begin(96, 432);
  }
  void WalkOntoSpikes() {
    f.Press(vk::Right);
    f.Tick(3);
    f.Release(vk::Right);
  }
  // Frames until the character has fallen out and is back at its start.
  int FramesUntilBack() {
    int frames = 0;
    while (f->Player.State > -200 && f->Timer1.Enabled && frames < 200) {
      f.Tick();
      ++frames;
    }
    return frames;
  }
  KeyedPlayFixture f;
};

}  // namespace

TEST_F(Spikes, StandingOnThemStartsTheMissHop) {
  WalkOntoSpikes();
  EXPECT_EQ(f->Player.X, 108);
  EXPECT_EQ(f->Player.State, -5);
  EXPECT_EQ(f.sounds.Count("miss1.wav"), 1);
  const int heights[] = {427, 423, 420, 418, 417, 418, 420, 423, 427};
  for (int y : heights) {
    f.Tick();
    EXPECT_EQ(f->Player.Y, y);
  }
  EXPECT_EQ(f->Player.State, 5);
}

TEST_F(Spikes, TheHopShowsTheTumblingFrames) {
  WalkOntoSpikes();
  f.Tick();  // state -5 moved the character, -4 is drawn
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 108, 427), SheetColor(1, 192, 128));
  f.Tick();
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 108, 423), SheetColor(1, 224, 128));
  f.Tick(4);  // rising is over: state 2
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 108, f->Player.Y), SheetColor(1, 256, 128));
}

TEST_F(Spikes, WithThreeLivesTheMissPutsTheCharacterBackAndShowsMiss) {
  f.Tick();  // standing at the start uncovers the floor under it
  WalkOntoSpikes();
  EXPECT_EQ(f->ItemsLeft, 1);
  FramesUntilBack();
  EXPECT_EQ(f->Lives, 2);
  EXPECT_EQ(f->Player.X, 96);
  EXPECT_EQ(f->Player.Y, 432);
  EXPECT_EQ(f->MissFlag, 1);
  EXPECT_EQ(f->Player.State, -200);
  EXPECT_TRUE(f.text.Drew("MISS!"));
  EXPECT_EQ(f->ItemPhase[0], -1);
  EXPECT_EQ(f->ItemsLeft, 1);
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->UncoveredImage, 96, 456), SheetColor(1, 32, 0));
  EXPECT_EQ(f->LivesImage.At(12, 12), kLifeIcon);
  EXPECT_EQ(f->LivesImage.At(36, 12), kBlack);
  EXPECT_EQ(f->ShownField.At(200, 205), FromColorRef(0xFFFFFF));
  EXPECT_TRUE(f->Timer1.Enabled);
}

TEST_F(Spikes, TheCharacterBlinksAtItsStartUntilAMovementKey) {
  WalkOntoSpikes();
  FramesUntilBack();
  f.Tick();
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 96, 432), SheetColor(1, 32, 64));
  EXPECT_EQ(f->Player.State, -201);
  f.Tick();
  EXPECT_EQ(KeyedPlayFixture::BoxColor(f->FrameImage, 96, 432), kBlack);
  EXPECT_EQ(f->Player.State, -200);
  f.Press(vk::Enter);
  f.Tick(2);
  EXPECT_LE(f->Player.State, -200);
  f.Press(vk::Space);
  f.Tick();
  EXPECT_EQ(f->Player.State, 0);
}

TEST_F(Spikes, WithOneLifeTheMissEndsTheGame) {
  f->Lives = 1;
  WalkOntoSpikes();
  FramesUntilBack();
  EXPECT_EQ(f->Lives, 0);
  EXPECT_EQ(f->Player.State, -100);
  EXPECT_FALSE(f->Timer1.Enabled);
  EXPECT_TRUE(f->Timer2.Enabled);
  EXPECT_TRUE(f.text.Drew("GAME OVER"));
  EXPECT_FALSE(f.text.Drew("MISS!"));
  EXPECT_EQ(f->ShownField.At(230, 205), FromColorRef(0x0000FF));
  const std::vector<std::string> tail(f.music.Calls.end() - 4, f.music.Calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"Stop", "Close", "Open over.mid", "Play"}));
}

namespace {

// The character at (48, y) held still (as if on a lift), a chaser standing
// beside it at x 60.
int StateAfterEnemyTouchAt(int y, bool onSpikes) {
  KeyedPlayFixture f;
  f.Floor(2);
  if (onSpikes) f->MapData[2][2] = Tile::Spikes;
  f.PlaceEnemy(EnemyKind::Chaser, 60, 24, 0, 0);
  f.Begin(48, y);
  f->Player.OnLift = 1;
  f.Tick();
  EXPECT_EQ(f.sounds.Count("miss1.wav"), onSpikes ? 2 : 1);
  return f->Player.State;
}

}  // namespace

TEST(EnemyTouch, BelowTheTopRowTheCharacterHops) {
  EXPECT_EQ(StateAfterEnemyTouchAt(25, false), -5);
}

TEST(EnemyTouch, AtTheTopRowTheCharacterDropsAtOnce) {
  EXPECT_EQ(StateAfterEnemyTouchAt(24, false), 1);
}

TEST(EnemyTouch, NearTheTopItOverridesTheSpikesHop) {
  EXPECT_EQ(StateAfterEnemyTouchAt(24, true), 1);
}

TEST(EnemyTouch, NoMissWhileAlreadyOutOfPlay) {
  KeyedPlayFixture f;
  f.Floor();
  f.PlaceEnemy(EnemyKind::Chaser, 60, 432, 0, 0);
  f.Begin(48, 432);
  f->Player.State = -200;
  f.Tick();
  EXPECT_EQ(f.sounds.Count("miss1.wav"), 0);
}
