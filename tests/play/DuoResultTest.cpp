#include <gtest/gtest.h>

#include "play/DuoStep.h"
#include "play/DuoTestKit.h"

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
  m->MapData[19][19] = Tile::Spikes;
  DuoStep(*m);
  EXPECT_EQ(m->Duo[1].State, kMissHop);
  EXPECT_EQ(m.sound.Count("miss1.wav"), 1);
  DuoStep(*m);
  EXPECT_EQ(m->Duo[1].Y, 427);
  EXPECT_EQ(m->Duo[1].State, -4);
  RunUntilDecided(m);
  EXPECT_EQ(m->Duo[1].State, kDuoFirstWins);
  EXPECT_GT(m->Duo[1].Y, 481);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-1 Won!"});
  EXPECT_EQ(m.sound.Count("miss1.wav"), 1);
}

TEST(DuoResult, TheHopNeverStopsAtZero) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->Duo[0].State = -1;
  m->Duo[0].Y = 300;
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].Y, 299);
  EXPECT_EQ(m->Duo[0].State, 1);
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].Y, 300);
  EXPECT_EQ(m->Duo[0].State, 2);
}

TEST(DuoResult, SpikesWithinFifteenPixelsOfTheTopCountAsAWin) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->Duo[1].X = 240;
  m->Duo[1].Y = 0;
  m->MapData[10][1] = Tile::Spikes;
  EXPECT_EQ(RunUntilDecided(m), 2);
  EXPECT_EQ(m->Duo[1].State, kDuoSecondWins);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-2 Won!"});
}

TEST(DuoResult, AHopFromFifteenPixelsBelowTheTopJustStaysInside) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->Duo[0].Y = 15;
  m->Duo[0].State = kMissHop;
  for (int i = 0; i < 5; ++i) DuoStep(*m);
  EXPECT_EQ(m->Duo[0].Y, 0);
  EXPECT_EQ(m->Duo[0].State, 1);
  EXPECT_TRUE(m->Timer1.Enabled);
  RunUntilDecided(m);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-2 Won!"});
}

TEST(DuoResult, BothOutInOneFramePlayerTwosStateDecides) {
  DuoMatch m;
  m.AddItem(24, 240);
  // Player 1 leaves at the top, player 2 drops out at the bottom.
  m->Duo[0].Y = 3;
  m->Duo[0].State = -4;
  m->Duo[1].Y = 480;
  m->Duo[1].State = 3;
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].State, kDuoFirstWins);
  EXPECT_EQ(m->Duo[1].State, kDuoFirstWins);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-1 Won!"});
}

TEST(DuoResult, BothDroppingOutInOneFrameNamesPlayerOne) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->Duo[0].Y = m->Duo[1].Y = 478;
  m->Duo[0].State = m->Duo[1].State = 6;
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].State, kDuoSecondWins);
  EXPECT_EQ(m->Duo[1].State, kDuoFirstWins);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-1 Won!"});
}

TEST(DuoResult, TheResultLineIsWhiteOverTheLastPictureAndTheMusicGoesOn) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->MusicPlayer.SetFileName("BGM1.mid");
  m->MusicPlayer.Open();
  m->MusicPlayer.Play();
  m->Duo[1].Y = 2;
  m->Duo[1].State = -3;
  DuoStep(*m);
  EXPECT_EQ(m->ShownField.At(201, 201), FromColorRef(0xFFFFFF));
  EXPECT_EQ(m->ShownField.At(200 + 8 * 13 + 2 + 1, 201), kBlack);
  EXPECT_FALSE(m->Timer1.Enabled);
  EXPECT_TRUE(m->Timer2.Enabled);
  EXPECT_EQ(m->MusicPlayer.GetState(), MusicDevice::State::Playing);
}

TEST(DuoResult, RisingAndFallingFiguresStayInTheFrame) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->Duo[0].X = 120;
  m->Duo[0].Y = 200;
  m->Duo[0].State = 4;
  m->Duo[1].X = 360;
  m->Duo[1].Y = 200;
  m->Duo[1].State = -6;
  DuoStep(*m);
  // The states are now 5 and -5: they cancel out, yet neither is in play.
  EXPECT_EQ(m->ShownField.At(121, 205), SheetCell(1, 288, 128));
  EXPECT_EQ(m->ShownField.At(361, 195), SheetCell(1, 224, 128));
}
