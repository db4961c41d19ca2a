#include <gtest/gtest.h>

#include <cstring>

#include "stages/StageFixture.h"
#include "stages/StartStage.h"

using playtest::StageFixture;
using playtest::SheetColor;

namespace {

// A one-player game at the given stage, as the title starts it.
struct StageStart : ::testing::Test {
  void Start(i32 stage) {
    f->StageNo = stage;
    f->Lives = 3;
    f->Score = 0;
    StartStage(*f);
  }
  StageFixture f;
};

bool SameGrid(const Game& a, const Game& b) {
  return std::memcmp(a.MapData, b.MapData, sizeof a.MapData) == 0;
}

}  // namespace

TEST_F(StageStart, ShowsTheCaptionTitleAndPlaysTheJingleBeforeTheMusic) {
  Start(1);
  EXPECT_EQ(f->StageCaption, (std::vector<std::string>{"STAGE 1", "ROAD AND LADDER"}));
  EXPECT_EQ(f.text.Lines, std::vector<std::string>{"STAGE 1:ROAD AND LADDER"});
  const std::vector<std::string> music = {"Open START.mid", "PlayAndWait", "Close", "Open BGM1.mid",
                                          "Play"};
  EXPECT_EQ(f.music.Calls, music);
  EXPECT_EQ(f->MusicPlayer.GetState(), MusicDevice::State::Playing);
  EXPECT_GE(f.repaints.Count, 1);
}

TEST_F(StageStart, PutsTheTitleLeftOfCentreByTheNameLength) {
  Start(3);  // "THE AMIDA": 9 characters, left edge 175
  const Pixel white = FromColorRef(0xFFFFFF);
  EXPECT_EQ(f->ShownField.At(175, 205), white);
  EXPECT_NE(f->ShownField.At(174, 205), white);
  EXPECT_EQ(f.music.Calls[3], "Open BGM3.mid");
}

TEST_F(StageStart, ShowsTheBlackViewWithOnlyTheSpikes) {
  Start(7);  // spikes instead of a floor in row 19
  for (int c = 0; c <= 22; ++c) {
    EXPECT_EQ(f->ShownField.At(24 * c + 12, 19 * 24 + 12), SheetColor(1, 160, 160)) << c;
  }
  EXPECT_EQ(f->ShownField.At(12, 12), f->UncoveredImage.At(12, 12));
  EXPECT_EQ(f->UncoveredImage.At(12, 12), kBlack);
}

TEST_F(StageStart, ResetsTheCharactersAndWhatWasUncovered) {
  f->Player.State = kWaitingShown;
  f->Player.OnLift = 1;
  f->Player.Jumping = 1;
  f->MissFlag = 1;
  f->RevealCount = 7;
  f->Revealed[3][19] = 1;
  f->Duo[1].State = 5;
  Start(2);
  EXPECT_EQ(f->Player.State, kInPlay);
  EXPECT_EQ(f->Player.OnLift, 0);
  EXPECT_EQ(f->Player.Jumping, 0);
  EXPECT_EQ(f->MissFlag, 0);
  EXPECT_EQ(f->RevealCount, 0);
  EXPECT_EQ(f->Revealed[3][19], 0);
  EXPECT_EQ(f->StartX, f->Player.X);
  EXPECT_EQ(f->StartY, f->Player.Y);
  EXPECT_EQ(f->ItemCount, 8);
  EXPECT_EQ(f->ItemsLeft, 8);
  EXPECT_EQ(f->DuoItemsLeft[0], 8);
  EXPECT_EQ(f->DuoItemsLeft[1], 8);
  EXPECT_EQ(f->Duo[1].State, kInPlay);
  EXPECT_EQ(f->Duo[0].X, 72);
  EXPECT_EQ(f->Duo[1].X, 456);
  EXPECT_EQ(f->Duo[1].Y, 432);
  for (int c = 0; c <= 22; ++c)
    for (int r = 0; r <= 20; ++r) EXPECT_NE(f->MapData[c][r], Tile::Item);
}

TEST_F(StageStart, DrawsTheLivesAndScoreDisplaysAndLeavesTheTimersAlone) {
  f->HiScore = 7500;
  Start(1);
  EXPECT_EQ(f->LivesImage.At(12, 12), SheetColor(1, 192, 128));
  EXPECT_EQ(f->LivesImage.At(36, 12), SheetColor(1, 192, 128));
  EXPECT_EQ(f->LivesImage.At(60, 12), kBlack);
  EXPECT_EQ(f->ScoreBox, "0");
  EXPECT_EQ(f->HiScoreBox, "7500");
  EXPECT_FALSE(f->Timer1.Enabled);
  EXPECT_FALSE(f->TitleTimer.Enabled);
}

TEST_F(StageStart, StartsFromAClearedGridWithEveryEnemyOnTheGround) {
  f->MapData[30][30] = Tile::RoomCorner;
  f->MapData[22][20] = Tile::Wall;
  for (int i = 0; i < kEnemySlots; ++i) {
    f->EnemyJumping[i] = 1;
    f->EnemyJumpTick[i] = 9;
    f->EnemyJumpDX[i] = 4;
    f->EnemyJumpX[i] = 7;
    f->EnemyJumpY[i] = 8;
  }
  Start(2);
  EXPECT_EQ(f->MapData[30][30], Tile::Empty);
  EXPECT_EQ(f->MapData[22][20], Tile::Empty);
  for (int i = 0; i < kEnemySlots; ++i) {
    EXPECT_EQ(f->EnemyJumping[i] + f->EnemyJumpTick[i] + f->EnemyJumpDX[i], 0) << "enemy " << i;
    EXPECT_EQ(f->EnemyJumpX[i] + f->EnemyJumpY[i], 0) << "enemy " << i;
  }
}

TEST_F(StageStart, TwiceOnTheSameStageBuildsANewLayout) {
  Start(1);
  auto first = std::make_unique<Game>();
  std::memcpy(first->MapData, f->MapData, sizeof first->MapData);
  Start(1);
  EXPECT_FALSE(SameGrid(*first, *f));
}

TEST_F(StageStart, TheTwoPlayerGameShowsStageOneAndTheCheckerboard) {
  f->PlayMode = PlayMode::TwoPlayer;
  f->Lives = 0;
  f->StageNo = 1;
  StartStage(*f);
  EXPECT_EQ(f->StageCaption[0], "STAGE 1");
  EXPECT_EQ(f->UncoveredImage.At(24 + 12, 12), f->RacerOneStageImage.At(24 + 12, 12));
  EXPECT_EQ(f->UncoveredImage.At(48 + 12, 12), f->RacerTwoStageImage.At(48 + 12, 12));
  EXPECT_EQ(f->LivesImage.At(12, 12), kBlack);
  EXPECT_EQ(f->LiftCount, 0);
}
