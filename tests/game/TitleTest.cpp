#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/MusicNotice.h"
#include "screens/Title.h"
#include "screens/TitleTick.h"
#include "state/Game.h"
#include "support/MusicLog.h"
#include "support/RepaintCounter.h"
#include "support/TextLog.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr Pixel kWalkerEven = 0x00102030, kWalkerOdd = 0x00405060;
constexpr Pixel kCreatureEven = 0x00708090, kCreatureOdd = 0x00A0B0C0;
constexpr Pixel kSpark = 0x00D0E0F0, kCar = 0x00112233;
const Pixel kAqua = FromColorRef(0xFFFF00), kOlive = FromColorRef(0x008080);
const Pixel kYellow = FromColorRef(0x00FFFF), kRed = FromColorRef(0x0000FF);
const Pixel kWhite = FromColorRef(0xFFFFFF), kSilver = FromColorRef(0xC0C0C0);

class TitleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g.SpriteSheet = Surface(320, 256, 0x00FF00FF);  // cells not used by the title show up as magenta
    PaintCell(64, 128, kWalkerEven);
    PaintCell(96, 128, kWalkerOdd);
    PaintCell(0, 192, kCreatureEven);
    PaintCell(32, 192, kCreatureOdd);
    PaintCell(64, 192, kSpark);
    PaintCell(0, 224, kCar);
    // White logo with one black letter block at (100, 20)-(120, 30).
    g.TitleLogo = Surface(450, 130, kMaskWhite);
    g.TitleLogo.Fill(100, 20, 120, 30, kBlack);
    g.Text = &text;
    g.Screen = &presenter;
    g.MusicPlayer.Attach(&music);
    g.TitleTimer.SetInterval(100);
    g.Timer1.SetInterval(50);
    g.Timer2.SetInterval(100);
  }

  void PaintCell(int x, int y, Pixel p) { g.SpriteSheet.Fill(x, y, x + 24, y + 24, p); }

  // Shows the frame of tick t.
  void FrameAt(int t) {
    g.TitleCount = t;
    TitleTick(g);
  }

  Pixel At(int x, int y) const { return g.ShownField.At(x, y); }

  bool RowsBlack() const {
    for (int y = 120; y < 200; ++y) {
      for (int x = 0; x < kFieldWidth; ++x) {
        if (At(x, y) != kBlack) return false;
      }
    }
    return true;
  }

  Game g;
  TextLog text;
  RepaintCounter presenter;
  MusicLog music;
};

TEST_F(TitleTest, ShowTitleStopsThePlayTimersAndStartsTheTitle) {
  g.Timer1.SetEnabled(true);
  g.Timer2.SetEnabled(true);
  g.PlayMode = PlayMode::TwoPlayer;
  g.Paused = 1;
  g.EndingTick = 77;
  g.TitleCount = 140;
  g.ShownField.Fill(0, 0, kFieldWidth, kFieldHeight, kWhite);
  ShowTitle(g);
  EXPECT_FALSE(g.Timer1.Enabled);
  EXPECT_FALSE(g.Timer2.Enabled);
  EXPECT_TRUE(g.TitleTimer.Enabled);
  EXPECT_EQ(g.PlayMode, PlayMode::OnePlayer);
  EXPECT_EQ(g.Paused, 0);
  EXPECT_EQ(g.EndingTick, 0);
  EXPECT_EQ(g.TitleCount, 0);
  EXPECT_EQ(At(0, 0), kBlack);
  EXPECT_EQ(At(kFieldWidth - 2, kFieldHeight - 2), kBlack);
  EXPECT_EQ(At(kFieldWidth - 1, kFieldHeight - 1), kWhite) << "the last column and row are left";
}

TEST_F(TitleTest, TitleTunePlaysOnceAndTheTitleStaysSilent) {
  ShowTitle(g);
  EXPECT_THAT(music.Take(), ElementsAre("Open Title.mid", "Play"));
  MusicEnded(g);
  EXPECT_THAT(music.Take(), IsEmpty());
  EXPECT_STREQ(g.MusicPlayer.StateName(), "stopped");
}

TEST_F(TitleTest, FirstTickShowsNoFigure) {
  ShowTitle(g);
  TitleTick(g);
  EXPECT_TRUE(RowsBlack());
  EXPECT_EQ(g.TitleCount, 1);
  EXPECT_GE(presenter.Count, 1);
}

TEST_F(TitleTest, FiguresMarchInFourPixelsATick) {
  ShowTitle(g);
  TitleTick(g);
  TitleTick(g);  // t = 1, odd: the leading walker at x = 4 in its second frame
  EXPECT_EQ(At(4, 120), kWalkerOdd);
  EXPECT_EQ(At(3, 120), kBlack);
  EXPECT_EQ(At(4, 160), kSpark);
  TitleTick(g);  // t = 2
  EXPECT_EQ(At(8, 120), kWalkerEven);
  EXPECT_EQ(g.TitleCount, 3);
  // Rows 1 and 3 come from the right; a figure is drawn once x + 32 < 553.
  FrameAt(2);
  EXPECT_EQ(At(522, 140), kBlack);
  FrameAt(3);
  EXPECT_EQ(At(518, 140), kCreatureOdd);
  EXPECT_EQ(At(518, 180), kCar);
}

// Figures overlap their neighbours by 4 pixels and the next row by 4 lines:
// they are sampled 10 pixels into their cell.
TEST_F(TitleTest, FiguresStopAfterTick118AndKeepStepping) {
  FrameAt(118);
  EXPECT_EQ(At(482, 130), kWalkerEven);
  EXPECT_EQ(At(462, 130), kWalkerEven);
  EXPECT_EQ(At(68, 150), kCreatureEven);
  EXPECT_EQ(At(88, 150), kCreatureEven);
  EXPECT_EQ(At(482, 170), kSpark);
  EXPECT_EQ(At(68, 190), kCar);
  FrameAt(119);
  EXPECT_EQ(At(482, 130), kWalkerOdd);
  EXPECT_EQ(At(68, 150), kCreatureOdd);
  EXPECT_EQ(At(497, 130), kBlack) << "no further step";
  EXPECT_EQ(At(56, 150), kBlack);
  FrameAt(120);
  EXPECT_EQ(At(482, 130), kWalkerEven) << "no square before tick 121";
}

TEST_F(TitleTest, LeadingFiguresTurnIntoSquaresOnePerTick) {
  FrameAt(121);
  EXPECT_EQ(At(482, 130), kAqua);
  EXPECT_EQ(At(490, 138), kAqua);
  EXPECT_EQ(At(491, 130), kBlack) << "squares are 19 pixels";
  EXPECT_EQ(At(482, 139), kBlack);
  EXPECT_EQ(At(462, 130), kWalkerOdd);
  EXPECT_EQ(At(68, 150), kOlive);
  EXPECT_EQ(At(482, 170), kYellow);
  EXPECT_EQ(At(68, 190), kRed);
  FrameAt(122);
  EXPECT_EQ(At(462, 130), kAqua);
  EXPECT_EQ(At(442, 130), kWalkerEven);
  EXPECT_EQ(g.TitleCount, 123);
}

TEST_F(TitleTest, Tick140BringsSolidBandsAndTheCountStays) {
  FrameAt(139);
  EXPECT_EQ(g.TitleCount, 140);
  TitleTick(g);
  TitleTick(g);
  EXPECT_EQ(g.TitleCount, 140);
  EXPECT_EQ(At(50, 120), kAqua);
  EXPECT_EQ(At(499, 139), kAqua);
  EXPECT_EQ(At(500, 130), kBlack);
  EXPECT_EQ(At(49, 130), kBlack);
  EXPECT_EQ(At(50, 140), kOlive);
  EXPECT_EQ(At(300, 160), kYellow);
  EXPECT_EQ(At(50, 199), kRed);
  EXPECT_EQ(At(50, 200), kBlack);
}

TEST_F(TitleTest, LogoLetteringIsCutOutOfTheBands) {
  FrameAt(140);
  EXPECT_EQ(At(150, 120), kBlack);
  EXPECT_EQ(At(169, 129), kBlack);
  EXPECT_EQ(At(149, 125), kAqua);
  EXPECT_EQ(At(170, 125), kAqua);
  EXPECT_EQ(At(150, 130), kAqua);
}

TEST_F(TitleTest, FiveLinesOfTextAtTheirPlaces) {
  FrameAt(140);
  ASSERT_THAT(text.Lines, ElementsAre("PUSH ENTER-KEY ... ", "TO START NORMAL GAME!", "PUSH SPACE-KEY ...",
                                      "TO START 2-PLAYERS GAME!", "P: PAUSE   R: RESTART   A/S: SPEED"));
  // The first line, drawn twice two pixels apart, ends where its second copy does.
  const int firstLineEnd = 100 + 2 + TextLog::kBlockWidth * static_cast<int>(text.Lines[0].size());
  EXPECT_EQ(At(100, 290), kWhite);
  EXPECT_EQ(At(firstLineEnd - 1, 309), kWhite) << "two copies, two pixels apart";
  EXPECT_EQ(At(firstLineEnd, 290), kBlack);
  EXPECT_EQ(At(200, 310), kWhite);
  EXPECT_EQ(At(100, 350), kWhite);
  EXPECT_EQ(At(200, 389), kWhite);
  EXPECT_EQ(At(100, 420), kSilver);
  EXPECT_EQ(At(99, 420), kBlack);
}

TEST_F(TitleTest, EnterStartsAOnePlayerGameAtThePracticeStage) {
  ShowTitle(g);
  music.Take();
  g.Score = 500;
  g.ContinueCount = 2;
  g.PracticeStage = 4;
  g.KeyEnter = 1;
  TitleTick(g);
  EXPECT_FALSE(g.TitleTimer.Enabled);
  EXPECT_TRUE(g.Timer1.Enabled);
  EXPECT_EQ(g.PlayMode, PlayMode::OnePlayer);
  EXPECT_EQ(g.ContinueCount, 0);
  EXPECT_EQ(g.Score, 0);
  EXPECT_EQ(g.Lives, 3);
  EXPECT_EQ(g.StageNo, 4);
  const std::vector<std::string> calls = music.Take();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls[0], "Stop");
  EXPECT_EQ(calls[1], "Close");
}

TEST_F(TitleTest, SpaceStartsATwoPlayerGameKeepingScoreAndContinues) {
  ShowTitle(g);
  g.Score = 700;
  g.ContinueCount = 2;
  g.Lives = 5;
  g.PracticeStage = 4;
  g.KeySpace = 1;
  TitleTick(g);
  EXPECT_FALSE(g.TitleTimer.Enabled);
  EXPECT_TRUE(g.Timer1.Enabled);
  EXPECT_EQ(g.PlayMode, PlayMode::TwoPlayer);
  EXPECT_EQ(g.Lives, 0);
  EXPECT_EQ(g.StageNo, 1);
  EXPECT_EQ(g.Score, 700);
  EXPECT_EQ(g.ContinueCount, 2);
}

TEST_F(TitleTest, EnterAndSpaceInOneTickEndInATwoPlayerGameFromZero) {
  ShowTitle(g);
  g.Score = 700;
  g.ContinueCount = 2;
  g.KeyEnter = 1;
  g.KeySpace = 1;
  TitleTick(g);
  EXPECT_EQ(g.PlayMode, PlayMode::TwoPlayer);
  EXPECT_EQ(g.Lives, 0);
  EXPECT_EQ(g.StageNo, 1);
  EXPECT_EQ(g.Score, 0);
  EXPECT_EQ(g.ContinueCount, 0);
  EXPECT_FALSE(g.TitleTimer.Enabled);
  EXPECT_TRUE(g.Timer1.Enabled);
}

TEST_F(TitleTest, NoKeyKeepsTheTitleRunning) {
  ShowTitle(g);
  for (int i = 0; i < 5; ++i) TitleTick(g);
  EXPECT_TRUE(g.TitleTimer.Enabled);
  EXPECT_FALSE(g.Timer1.Enabled);
  EXPECT_STREQ(g.MusicPlayer.StateName(), "playing");
}

TEST_F(TitleTest, MissingTitleTuneStillShowsTheTitleAndStartsTheGame) {
  music.Missing = {"Title.mid"};
  ShowTitle(g);
  EXPECT_TRUE(g.TitleTimer.Enabled);
  g.KeyEnter = 1;
  TitleTick(g);
  EXPECT_TRUE(g.Timer1.Enabled);
  EXPECT_EQ(g.Lives, 3);
}

}  // namespace
