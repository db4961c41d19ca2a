#include <gtest/gtest.h>

#include "play/DuoStep.h"
#include "play/DuoTestKit.h"

TEST(DuoItems, BothPlayersOnAFreshItemInOneFrameBothCountItAndItGoes) {
  DuoMatch m;
  m.AddItem(264, 432);
  m.AddItem(24, 240);
  m->Duo[0].X = 256;
  m->Duo[1].X = 272;
  DuoStep(*m);
  EXPECT_EQ(m->ItemPhase[0], -1);
  EXPECT_EQ(m->DuoItemsLeft[0], 1);
  EXPECT_EQ(m->DuoItemsLeft[1], 1);
  EXPECT_EQ(m.sound.Count("get1.wav"), 2);
  // Drawn untouched once more in the frame in which it went.
  EXPECT_EQ(m->ShownField.At(264 + 12, 432 + 23), SheetCell(2, 96, 64));
  DuoStep(*m);
  EXPECT_NE(m->ShownField.At(264 + 12, 432 + 23), SheetCell(2, 96, 64));
  EXPECT_NE(m->ShownField.At(264 + 12, 432 + 23), SheetCell(2, 128, 64));
  EXPECT_EQ(m.sound.Count("get1.wav"), 2);
}

TEST(DuoItems, AnItemPlayerOneHasTouchedShowsRedAndOnlyPlayerTwoCanTakeIt) {
  DuoMatch m;
  m.AddItem(72, 432);
  m.AddItem(24, 240);
  DuoStep(*m);
  EXPECT_EQ(m->DuoItemsLeft[0], 1);
  EXPECT_EQ(m->DuoItemsLeft[1], 2);
  EXPECT_EQ(m->ItemPhase[0] / 8, 1);
  DuoStep(*m);
  // Player 1 still stands on it: no second count, drawn as player 2's to take.
  EXPECT_EQ(m->DuoItemsLeft[0], 1);
  EXPECT_EQ(m.sound.Count("get1.wav"), 1);
  EXPECT_EQ(m->ShownField.At(72 + 2, 432 + 2), SheetCell(2, 96, 96));
  m->Duo[1].X = 80;
  DuoStep(*m);
  EXPECT_EQ(m->ItemPhase[0], -1);
  EXPECT_EQ(m->DuoItemsLeft[0], 1);
  EXPECT_EQ(m->DuoItemsLeft[1], 1);
}

TEST(DuoItems, AnItemPlayerTwoHasTouchedShowsBlue) {
  DuoMatch m;
  m.AddItem(456, 432, 4);
  m.AddItem(24, 240);
  DuoStep(*m);
  DuoStep(*m);
  EXPECT_EQ(m->ItemPhase[0] / 8, 2);
  EXPECT_EQ(m->DuoItemsLeft[1], 1);
  EXPECT_EQ(m->ShownField.At(456 + 2, 432 + 2), SheetCell(2, 128, 128));
}

TEST(DuoItems, EachPictureShowsForFourFrames) {
  DuoMatch m;
  m.AddItem(240, 240, 2);
  DuoStep(*m);
  DuoStep(*m);
  EXPECT_EQ(m->ShownField.At(241, 241), SheetCell(2, 96, 64));
  DuoStep(*m);
  EXPECT_EQ(m->ShownField.At(241, 241), SheetCell(2, 128, 64));
  EXPECT_EQ(m->ItemPhase[0], 5);
}

TEST(DuoItems, TouchesCountWhileAPlayerFallsAway) {
  DuoMatch m;
  m.AddItem(72, 360);
  m.AddItem(24, 240);
  m->Duo[0].State = 1;
  m->Duo[0].Y = 359;
  DuoStep(*m);
  EXPECT_EQ(m->DuoItemsLeft[0], 1);
}

TEST(DuoItems, AStageWithoutItemsLaunchesBothAtOnceAndPlayerTwoIsNamed) {
  DuoMatch m;
  DuoStep(*m);
  // -sqrt(432) - 2 = -22.78...
  EXPECT_EQ(m->Duo[0].State, -23);
  EXPECT_EQ(m->Duo[1].State, -23);
  int frames = 1;
  while (m->Timer1.Enabled && frames < 100) {
    DuoStep(*m);
    ++frames;
  }
  EXPECT_LT(frames, 100);
  EXPECT_EQ(m->Duo[0].Y, m->Duo[1].Y);
  EXPECT_LT(m->Duo[0].Y, 0);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-2 Won!"});
  EXPECT_TRUE(m->Timer2.Enabled);
}

TEST(DuoItems, TheLaunchNeverSlowsBelowTwoPixelsAndEndsTheMatchAtTheTop) {
  DuoMatch m;
  m.AddItem(24, 240);
  m->DuoItemsLeft[0] = 0;
  m->Duo[0].Y = 4;
  m->Duo[0].State = -2;
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].Y, 2);
  EXPECT_EQ(m->Duo[0].State, -3);  // -sqrt(2) - 2 = -3.41
  EXPECT_TRUE(m->Timer1.Enabled);
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].Y, -1);
  EXPECT_EQ(m.text.Lines, std::vector<std::string>{"PLAYER-1 Won!"});
  EXPECT_FALSE(m->Timer1.Enabled);
  EXPECT_TRUE(m->Timer2.Enabled);
  // The launch of the deciding frame may overwrite the winner's state; the
  // match is over all the same.
  EXPECT_EQ(m->Duo[0].State, -3);
}
