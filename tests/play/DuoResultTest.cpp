#include <gtest/gtest.h>

#include "play/DuoTestKit.h"
#include "play/DuoStep.h"

namespace {

int RunUntilDecided(DuoMatch& m) {
  int frames = 0;
  while (m->Timer1.Enabled && frames < 200) {
    DuoStep(*m);
    ++frames;
  }
  return frames;
}

}  // namespace

TEST(DuoResult, SpikesStartAHopAndTheOtherPlayerWins) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->MapData[19][19] = 3;
  DuoStep(*m);
  EXPECT_EQ(m->DuoState[1], -5);
  EXPECT_EQ(m.sound.Count("miss1.wav"), 1);
  DuoStep(*m);
  EXPECT_EQ(m->DuoY[1], 427);
  EXPECT_EQ(m->DuoState[1], -4);
  RunUntilDecided(m);
  EXPECT_EQ(m->DuoState[1], -200);
  EXPECT_GT(m->DuoY[1], 481);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-1 Won!"});
  EXPECT_EQ(m.sound.Count("miss1.wav"), 1);
}

TEST(DuoResult, TheHopNeverStopsAtZero) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->DuoState[0] = -1;
  m->DuoY[0] = 300;
  DuoStep(*m);
  EXPECT_EQ(m->DuoY[0], 299);
  EXPECT_EQ(m->DuoState[0], 1);
  DuoStep(*m);
  EXPECT_EQ(m->DuoY[0], 300);
  EXPECT_EQ(m->DuoState[0], 2);
}

TEST(DuoResult, SpikesWithinFifteenPixelsOfTheTopCountAsAWin) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->DuoX[1] = 240;
  m->DuoY[1] = 0;
  m->MapData[10][1] = 3;
  EXPECT_EQ(RunUntilDecided(m), 2);
  EXPECT_EQ(m->DuoState[1], -201);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-2 Won!"});
}

TEST(DuoResult, AHopFromFifteenPixelsBelowTheTopJustStaysInside) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->DuoY[0] = 15;
  m->DuoState[0] = -5;
  for (int i = 0; i < 5; ++i) DuoStep(*m);
  EXPECT_EQ(m->DuoY[0], 0);
  EXPECT_EQ(m->DuoState[0], 1);
  EXPECT_TRUE(m->Timer1.Enabled);
  RunUntilDecided(m);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-2 Won!"});
}

TEST(DuoResult, BothOutInOneFramePlayerTwosStateDecides) {
  DuoMatch m;
  m.AddItem(24, 240);
  // Player 1 leaves at the top, player 2 drops out at the bottom.
  m->DuoY[0] = 3;
  m->DuoState[0] = -4;
  m->DuoY[1] = 480;
  m->DuoState[1] = 3;
  DuoStep(*m);
  EXPECT_EQ(m->DuoState[0], -200);
  EXPECT_EQ(m->DuoState[1], -200);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-1 Won!"});
}

TEST(DuoResult, BothDroppingOutInOneFrameNamesPlayerOne) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->DuoY[0] = m->DuoY[1] = 478;
  m->DuoState[0] = m->DuoState[1] = 6;
  DuoStep(*m);
  EXPECT_EQ(m->DuoState[0], -201);
  EXPECT_EQ(m->DuoState[1], -200);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-1 Won!"});
}

TEST(DuoResult, TheResultLineIsWhiteOverTheLastPictureAndTheMusicGoesOn) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->BGMPlayer.SetFileName("BGM1.mid");
  m->BGMPlayer.Open();
  m->BGMPlayer.Play();
  m->DuoY[1] = 2;
  m->DuoState[1] = -3;
  DuoStep(*m);
  EXPECT_EQ(m->CRTImage.At(201, 201), FromColorRef(0xFFFFFF));
  EXPECT_EQ(m->CRTImage.At(200 + 8 * 13 + 2 + 1, 201), kBlack);
  EXPECT_FALSE(m->Timer1.Enabled);
  EXPECT_TRUE(m->Timer2.Enabled);
  EXPECT_EQ(m->BGMPlayer.GetState(), MusicDevice::State::Playing);
}

TEST(DuoResult, RisingAndFallingFiguresStayInTheFrame) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->DuoX[0] = 120;
  m->DuoY[0] = 200;
  m->DuoState[0] = 4;
  m->DuoX[1] = 360;
  m->DuoY[1] = 200;
  m->DuoState[1] = -6;
  DuoStep(*m);
  // The states are now 5 and -5: they cancel out, yet neither is in play.
  EXPECT_EQ(m->CRTImage.At(121, 205), SheetCell(1, 288, 128));
  EXPECT_EQ(m->CRTImage.At(361, 195), SheetCell(1, 224, 128));
}
