#include <gtest/gtest.h>

#include <algorithm>

#include "screens/ClearTally.h"
#include "support/TestGame.h"

namespace {

constexpr Pixel kDarkWall = 0x00102030;

// The moment the clear jump has left the field: clear tune playing once,
// ClearTimer on, n uncovered wall cells listed.
void ClearStage(Game& g, i32 stage, i32 uncovered) {
  g.PlayMode = PlayMode::OnePlayer;
  g.StageNo = stage;
  g.Lives = 2;
  g.Score = 500;
  g.MissFlag = 0;
  g.ContinueCount = 0;
  g.DuoSpriteSheet = Surface(320, 256);
  g.DuoSpriteSheet.Fill(32, 0, 56, 24, kDarkWall);
  g.RevealCount = uncovered;
  for (i32 k = 0; k < uncovered; ++k) {
    g.RevealX[k] = 2 + k;
    g.RevealY[k] = 7;
  }
  g.MusicPlayer.SetFileName("clear.mid");
  g.MusicPlayer.Open();
  g.MusicPlayer.SetNotify(false);
  g.MusicPlayer.Play();
  g.Timer1.SetEnabled(false);
  g.ClearTimer.SetEnabled(true);
}

int TicksUntilHandOver(Game& g) {
  int ticks = 0;
  while (g.ClearTimer.Enabled && ticks < 10000) {
    ClearTallyTick(g);
    ++ticks;
  }
  return ticks;
}

bool Drew(const TestGame& t, const std::string& line) {
  return std::find(t.text.Lines.begin(), t.text.Lines.end(), line) != t.text.Lines.end();
}

}  // namespace

TEST(ClearTally, WithoutUncoveredCellsTheNoMissBonusComesOnTheFirstTick) {
  TestGame t;
  ClearStage(*t, 3, 0);
  ClearTallyTick(*t);
  EXPECT_EQ(t->RevealCount, -1);
  EXPECT_EQ(t->Score, 1500);
  EXPECT_EQ(t.sound.Played, std::vector<std::string>{"clear1.wav"});
  EXPECT_EQ(t.text.Lines, std::vector<std::string>{"No-Miss BONUS=1000"});
  EXPECT_EQ(t->ShownField.At(190, 250), FromColorRef(0xC0C0C0));
  EXPECT_EQ(t.screen.Count, 1);
}

TEST(ClearTally, WithoutUncoveredCellsTheNextStageStartsOnTick50) {
  TestGame t;
  ClearStage(*t, 3, 0);
  for (int i = 0; i < 49; ++i) ClearTallyTick(*t);
  EXPECT_TRUE(t->ClearTimer.Enabled);
  EXPECT_EQ(t->StageNo, 3);
  EXPECT_EQ(t.screen.Count, 49);
  ClearTallyTick(*t);
  EXPECT_FALSE(t->ClearTimer.Enabled);
  EXPECT_TRUE(t->Timer1.Enabled);
  EXPECT_FALSE(t->EndingTimer.Enabled);
  EXPECT_EQ(t->StageNo, 4);
  EXPECT_EQ(t->Lives, 3);
  EXPECT_EQ(t.music.Calls[2], "Stop");
  EXPECT_EQ(t.music.Calls[3], "Close");
}

TEST(ClearTally, UncoveredCellsTurnDarkLastFirstAndPayTenEach) {
  TestGame t;
  ClearStage(*t, 2, 3);
  ClearTallyTick(*t);
  EXPECT_EQ(t->FrameImage.At(24 * 4, 24 * 7), kDarkWall);
  EXPECT_EQ(t->FrameImage.At(24 * 4 + 23, 24 * 7 + 23), kDarkWall);
  EXPECT_EQ(t->FrameImage.At(24 * 3, 24 * 7), kBlack);
  EXPECT_EQ(t->ShownField.At(24 * 4, 24 * 7), kDarkWall);
  EXPECT_EQ(t->Score, 510);
  EXPECT_EQ(t->ShownField.At(200, 300), FromColorRef(0xFFFF00));
  ClearTallyTick(*t);
  ClearTallyTick(*t);
  EXPECT_EQ(t->FrameImage.At(24 * 2, 24 * 7), kDarkWall);
  EXPECT_EQ(t->Score, 530);
  EXPECT_EQ(t.text.Lines,
            (std::vector<std::string>{"BLOCK BONUS=20", "BLOCK BONUS=10", "BLOCK BONUS=0"}));
  EXPECT_EQ(t.sound.Played.size(), 3u);
  ClearTallyTick(*t);
  EXPECT_EQ(t->Score, 1530);
  EXPECT_TRUE(Drew(t, "No-Miss BONUS=1000"));
}

TEST(ClearTally, TakesFiftyTicksMoreThanTheUncoveredCells) {
  TestGame t;
  ClearStage(*t, 5, 7);
  EXPECT_EQ(TicksUntilHandOver(*t), 57);
  EXPECT_EQ(t->Score, 500 + 70 + 1000);
  EXPECT_EQ(t->StageNo, 6);
}

TEST(ClearTally, AMissOnTheStagePaysNoNoMissBonus) {
  TestGame t;
  ClearStage(*t, 4, 2);
  t->MissFlag = 1;
  EXPECT_EQ(TicksUntilHandOver(*t), 52);
  EXPECT_EQ(t->Score, 520);
  EXPECT_FALSE(Drew(t, "No-Miss BONUS=1000"));
  EXPECT_EQ(t.sound.Played.size(), 2u);
}

TEST(ClearTally, TheBonusLinesAreDrawnOverTheLastBlockPicture) {
  TestGame t;
  ClearStage(*t, 4, 1);
  ClearTallyTick(*t);
  ClearTallyTick(*t);
  EXPECT_EQ(t->ShownField.At(200, 300), FromColorRef(0xFFFF00));
  EXPECT_EQ(t->ShownField.At(190, 250), FromColorRef(0xC0C0C0));
}

TEST(ClearTally, AfterStageTenWithoutContinuesTheNoContinueBonusComesOnTickThree) {
  TestGame t;
  ClearStage(*t, 10, 0);
  ClearTallyTick(*t);
  ClearTallyTick(*t);
  EXPECT_EQ(t->Score, 1500);
  ClearTallyTick(*t);
  EXPECT_EQ(t->Score, 6500);
  EXPECT_TRUE(Drew(t, "No-Continue BONUS=5000"));
  EXPECT_EQ(t->ShownField.At(180, 275), FromColorRef(0xFFFFFF));
  EXPECT_EQ(t.sound.Played.size(), 2u);
}

TEST(ClearTally, NoNoContinueBonusAfterAContinue) {
  TestGame t;
  ClearStage(*t, 10, 4);
  t->ContinueCount = 1;
  EXPECT_EQ(TicksUntilHandOver(*t), 54);
  EXPECT_EQ(t->Score, 500 + 40 + 1000);
  EXPECT_FALSE(Drew(t, "No-Continue BONUS=5000"));
}

TEST(ClearTally, NoNoContinueBonusBeforeStageTen) {
  TestGame t;
  ClearStage(*t, 9, 0);
  TicksUntilHandOver(*t);
  EXPECT_EQ(t->Score, 1500);
  EXPECT_FALSE(Drew(t, "No-Continue BONUS=5000"));
}

TEST(ClearTally, NoContinueBonusIsPaidAfterAMissToo) {
  TestGame t;
  ClearStage(*t, 10, 0);
  t->MissFlag = 1;
  TicksUntilHandOver(*t);
  EXPECT_EQ(t->Score, 5500);
}

TEST(ClearTally, AfterStageTenTheEndingStarts) {
  TestGame t;
  ClearStage(*t, 10, 0);
  t->FrameImage.Fill(0, 0, 553, 481, 0x00FFFFFF);
  EXPECT_EQ(TicksUntilHandOver(*t), 50);
  EXPECT_EQ(t->StageNo, 11);
  EXPECT_EQ(t->Lives, 3);
  EXPECT_FALSE(t->Timer1.Enabled);
  EXPECT_TRUE(t->EndingTimer.Enabled);
  EXPECT_EQ(t->EndingTick, -170);
  EXPECT_EQ(t->FrameImage.At(0, 0), kBlack);
  EXPECT_EQ(t->FrameImage.At(551, 479), kBlack);
  EXPECT_EQ(t->FrameImage.At(552, 480), 0x00FFFFFFu);
  const std::vector<std::string> tail(t.music.Calls.end() - 4, t.music.Calls.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"Stop", "Close", "Open ending.mid", "Play"}));
  EXPECT_EQ(t->MusicPlayer.GetState(), MusicDevice::State::Playing);
}

TEST(ClearTally, APendingRestartStaysNegativeWithTheExtraLife) {
  TestGame t;
  ClearStage(*t, 10, 0);
  t->Lives = -3;
  TicksUntilHandOver(*t);
  EXPECT_EQ(t->Lives, -2);
}

TEST(ClearTally, EveryBonusRedrawsTheScoreBarsAndRaisesTheHighScore) {
  TestGame t;
  ClearStage(*t, 10, 2);
  t->Score = 8950;
  t->HiScore = 9000;
  ClearTallyTick(*t);
  EXPECT_EQ(t->ScoreBox, "8960");
  EXPECT_EQ(t->HiScoreBox, "9000");
  // 89 x 8960 / 15000 = 53.16: 53 pixels of blue.
  EXPECT_EQ(t->ScoreBar.At(52, 0), FromColorRef(0xFF0000));
  EXPECT_EQ(t->ScoreBar.At(53, 0), kBlack);
  ClearTallyTick(*t);
  ClearTallyTick(*t);
  EXPECT_EQ(t->HiScore, 9970);
  EXPECT_EQ(t->HiScoreBox, "9970");
  EXPECT_EQ(t->HiScoreBar.At(58, 15), FromColorRef(0x0000FF));
  EXPECT_EQ(t->HiScoreBar.At(59, 15), kBlack);
  ClearTallyTick(*t);
  ClearTallyTick(*t);
  ClearTallyTick(*t);
  EXPECT_EQ(t->Score, 14970);
  EXPECT_EQ(t->ScoreBar.At(87, 0), FromColorRef(0xFF0000));
  EXPECT_EQ(t->ScoreBar.At(88, 0), kBlack);
}

TEST(ClearTally, AScoreAboveAFullBarIsClippedAtTheDisplaysEdge) {
  TestGame t;
  ClearStage(*t, 3, 1);
  t->Score = 20000;
  ClearTallyTick(*t);
  EXPECT_EQ(t->ScoreBar.At(88, 0), FromColorRef(0xFF0000));
  EXPECT_EQ(t->HiScoreBar.At(88, 0), FromColorRef(0x0000FF));
  EXPECT_EQ(t->HiScore, 20010);
}
