#include <gtest/gtest.h>

#include "game/Events.h"
#include "screens/GameOverWait.h"
#include "support/TestGame.h"

namespace {

// The wait as the one-player game over leaves it: over.mid playing once.
void EnterGameOverWait(Game& g, i32 lives) {
  g.PlayMode = PlayMode::OnePlayer;
  g.StageNo = 4;
  g.Lives = lives;
  g.Score = 2350;
  g.ContinueCount = 0;
  g.MusicPlayer.SetFileName("over.mid");
  g.MusicPlayer.Open();
  g.MusicPlayer.SetNotify(false);
  g.MusicPlayer.Play();
  g.Timer1.SetEnabled(false);
  g.Timer2.SetEnabled(true);
}

void ExpectOverTuneStoppedAndClosed(const MusicLog& music) {
  ASSERT_GE(music.Calls.size(), 4u);
  const std::vector<std::string> first(music.Calls.begin(), music.Calls.begin() + 4);
  EXPECT_EQ(first, (std::vector<std::string>{"Open over.mid", "Play", "Stop", "Close"}));
}

}  // namespace

TEST(GameOverWait, NeitherKeyKeepsWaiting) {
  TestGame t;
  EnterGameOverWait(*t, 0);
  for (int i = 0; i < 20; ++i) GameOverWaitTick(*t);
  EXPECT_TRUE(t->Timer2.Enabled);
  EXPECT_FALSE(t->Timer1.Enabled);
  EXPECT_EQ(t->MusicPlayer.GetState(), MusicDevice::State::Playing);
  EXPECT_EQ(t->Score, 2350);
}

TEST(GameOverWait, EnterWithoutLivesLeavesForTheTitle) {
  TestGame t;
  EnterGameOverWait(*t, 0);
  Dispatch(*t, Event::KeyDown(vk::Enter));
  GameOverWaitTick(*t);
  EXPECT_FALSE(t->Timer2.Enabled);
  EXPECT_FALSE(t->Timer1.Enabled);
  EXPECT_TRUE(t->TitleTimer.Enabled);
  EXPECT_EQ(t->Score, 2350);
  EXPECT_EQ(t->ContinueCount, 0);
  ExpectOverTuneStoppedAndClosed(t.music);
}

TEST(GameOverWait, EnterWithLivesReplaysTheStage) {
  TestGame t;
  EnterGameOverWait(*t, 3);
  t->PlayMode = PlayMode::TwoPlayer;
  t->StageNo = 1;
  Dispatch(*t, Event::KeyDown(vk::Enter));
  GameOverWaitTick(*t);
  EXPECT_FALSE(t->Timer2.Enabled);
  EXPECT_TRUE(t->Timer1.Enabled);
  EXPECT_EQ(t->Lives, 3);
  EXPECT_EQ(t->ContinueCount, 0);
  EXPECT_EQ(t->PlayMode, PlayMode::TwoPlayer);
}

TEST(GameOverWait, CContinuesWithAFreshScoreAndThreeLives) {
  TestGame t;
  EnterGameOverWait(*t, 0);
  Dispatch(*t, Event::KeyDown('C'));
  GameOverWaitTick(*t);
  EXPECT_FALSE(t->Timer2.Enabled);
  EXPECT_TRUE(t->Timer1.Enabled);
  EXPECT_EQ(t->Score, 0);
  EXPECT_EQ(t->Lives, 3);
  EXPECT_EQ(t->ContinueCount, 1);
  EXPECT_EQ(t->StageNo, 4);
  EXPECT_EQ(t->PlayMode, PlayMode::OnePlayer);
  EXPECT_EQ(t->StageCaption.front(), "STAGE 4");
  EXPECT_FALSE(t->TitleTimer.Enabled);
  ExpectOverTuneStoppedAndClosed(t.music);
}

TEST(GameOverWait, EnterAndCTogetherContinueOnly) {
  TestGame t;
  EnterGameOverWait(*t, 0);
  Dispatch(*t, Event::KeyDown(vk::Enter));
  Dispatch(*t, Event::KeyDown('C'));
  GameOverWaitTick(*t);
  EXPECT_TRUE(t->Timer1.Enabled);
  EXPECT_FALSE(t->TitleTimer.Enabled);
  EXPECT_FALSE(t->Timer2.Enabled);
  EXPECT_EQ(t->ContinueCount, 1);
  EXPECT_EQ(t->Lives, 3);
  for (const std::string& call : t.music.Calls) EXPECT_NE(call, "Open Title.mid");
}

TEST(GameOverWait, TwoPlayerMatchEndingWithCHeldStartsANewMatch) {
  TestGame t;
  Game& g = *t;
  g.PlayMode = PlayMode::TwoPlayer;
  g.StageNo = 1;
  g.Lives = 0;
  g.Score = 0;
  g.ContinueCount = 0;
  g.Timer1.SetEnabled(true);
  // Player 2 is walking left with C when the match is decided.
  Dispatch(g, Event::KeyDown('C'));
  g.Timer1.SetEnabled(false);
  g.Timer2.SetEnabled(true);
  Dispatch(g, Event::Tick(TimerId::Timer2));
  EXPECT_FALSE(g.Timer2.Enabled);
  EXPECT_TRUE(g.Timer1.Enabled);
  EXPECT_EQ(g.ContinueCount, 1);
  EXPECT_EQ(g.Lives, 3);
  EXPECT_EQ(g.PlayMode, PlayMode::TwoPlayer);
}
