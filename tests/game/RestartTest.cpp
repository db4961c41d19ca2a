#include <gtest/gtest.h>

#include <algorithm>

#include "game/KeyedPlayFixture.h"

using playtest::KeyedPlayFixture;

namespace {

bool Contains(const std::vector<std::string>& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// Standing on the floor of a hand-made stage 1 without enemies. Built anew,
// stage 1 has three enemies and its start in column 11.
struct Restart : ::testing::Test {
  void SetUp() override {
    f.Floor();
    f.Begin(96, 432);
    f.music.Calls.clear();
  }
  bool StageRebuilt() const { return f.game->EnemyCount == 3 && f.game->StartX == 264; }
  // Frames until the fall-out has been dealt with.
  void FallOut() {
    for (int n = 0; n < 100 && f->Player.State > kInPlay; ++n) f.Tick();
  }
  KeyedPlayFixture f;
};

}  // namespace

TEST_F(Restart, TheKeyNegatesLivesAndDropsTheCharacter) {
  f.Press('R');
  EXPECT_EQ(f->Lives, -3);
  EXPECT_EQ(f->Player.State, kMissDrop);
  f.Tick();
  EXPECT_EQ(f->Player.Y, 433);
  EXPECT_EQ(f->Player.State, 2);
}

TEST_F(Restart, WithThreeLivesTheFallOutCostsALifeAndBuildsTheStageAnew) {
  f.Press('R');
  FallOut();
  EXPECT_EQ(f->Lives, 2);
  EXPECT_EQ(f->Player.State, kInPlay);
  EXPECT_EQ(f->MissFlag, 1);
  EXPECT_TRUE(StageRebuilt());
  EXPECT_EQ(f->Player.X, f->StartX);
  EXPECT_EQ(f->Player.Y, f->StartY);
  EXPECT_FALSE(f.text.Drew("MISS!"));
  EXPECT_TRUE(f.text.Drew("STAGE 1:ROAD AND LADDER"));
  EXPECT_TRUE(f->Timer1.Enabled);
  const std::vector<std::string> expected = {"Stop",        "Close", "Open START.mid", "PlayAndWait",
                                             "Close",       "Open BGM1.mid", "Play"};
  EXPECT_EQ(f.music.Calls, expected);
}

TEST_F(Restart, TheMenuItemActsLikeTheKey) {
  Dispatch(*f, Event::MenuChoice(MenuCommand::Restart));
  EXPECT_EQ(f->Lives, -3);
  FallOut();
  EXPECT_EQ(f->Lives, 2);
  EXPECT_TRUE(StageRebuilt());
}

TEST_F(Restart, WithOneLifeTheFallOutEndsTheGame) {
  f->Lives = 1;
  f.Press('R');
  FallOut();
  EXPECT_EQ(f->Lives, 0);
  EXPECT_FALSE(f->Timer1.Enabled);
  EXPECT_TRUE(f->Timer2.Enabled);
  EXPECT_TRUE(f.text.Drew("GAME OVER"));
  EXPECT_FALSE(StageRebuilt());
  EXPECT_FALSE(Contains(f.music.Calls, "Open START.mid"));
  EXPECT_TRUE(Contains(f.music.Calls, "Open over.mid"));
}

TEST_F(Restart, TwoRequestsBeforeTheFallOutMakeAnOrdinaryMiss) {
  f.Press('R');
  f.Tick(3);
  f.Press('R');
  EXPECT_EQ(f->Lives, 3);
  FallOut();
  EXPECT_EQ(f->Lives, 2);
  EXPECT_FALSE(StageRebuilt());
  EXPECT_TRUE(f.text.Drew("MISS!"));
  EXPECT_EQ(f->Player.State, kWaitingShown);
  EXPECT_EQ(f->Player.X, 96);
  EXPECT_EQ(f->Player.Y, 432);
}

TEST_F(Restart, IsIgnoredOnceTheClearJumpIsLaunched) {
  f->ItemPhase[0] = -1;
  f->ItemsLeft = 0;
  f.Tick();
  EXPECT_EQ(f->ItemsLeft, kClearJumpLaunched);
  const i32 rising = f->Player.State;
  EXPECT_LT(rising, 0);
  f.Press('R');
  Dispatch(*f, Event::MenuChoice(MenuCommand::Restart));
  EXPECT_EQ(f->Lives, 3);
  EXPECT_EQ(f->Player.State, rising);
  for (int n = 0; n < 40 && f->Timer1.Enabled; ++n) f.Tick();
  EXPECT_TRUE(f->ClearTimer.Enabled);
  EXPECT_EQ(f->Lives, 3);
}
