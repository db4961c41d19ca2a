#include <gtest/gtest.h>

#include "game/Events.h"
#include "play/DuoStep.h"
#include "play/DuoTestKit.h"

namespace {

// Keeps the match going: one item nobody reaches.
void AddFarItem(DuoMatch& m) { m.AddItem(264, 24); }

}  // namespace

TEST(DuoMove, EachPlayerUncoversItsCellAndFloorInItsOwnColours) {
  DuoMatch m;
  AddFarItem(m);
  DuoStep(*m);
  EXPECT_EQ(m->UncoveredImage.At(72, 432), kBlueTile);
  EXPECT_EQ(m->UncoveredImage.At(95, 479), kBlueTile);
  EXPECT_EQ(m->UncoveredImage.At(456, 456), kRedTile);
  EXPECT_EQ(m->UncoveredImage.At(480, 456), kBlack);
  // Shown in the same frame, under the figures.
  EXPECT_EQ(m->ShownField.At(72, 460), kBlueTile);
  EXPECT_EQ(m.screen.Count, 1);
}

TEST(DuoMove, EachPlayerWalksWithItsOwnKeys) {
  DuoMatch m;
  AddFarItem(m);
  Dispatch(*m, Event::KeyDown(vk::Right));
  Dispatch(*m, Event::KeyDown('C'));
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].X, 76);
  EXPECT_EQ(m->Duo[1].X, 452);
  EXPECT_EQ(m->Duo[0].DX, 4);
  EXPECT_EQ(m->Duo[1].DX, -4);
  EXPECT_EQ(m->UncoveredImage.At(452, 432), kRedTile);
}

TEST(DuoMove, LeftAndRightTogetherWalkRight) {
  DuoMatch m;
  AddFarItem(m);
  Dispatch(*m, Event::KeyDown('C'));
  Dispatch(*m, Event::KeyDown('B'));
  DuoStep(*m);
  EXPECT_EQ(m->Duo[1].X, 460);
}

TEST(DuoMove, UpAndDownTogetherClimbDown) {
  DuoMatch m;
  AddFarItem(m);
  for (int r = 15; r <= 18; ++r) m->MapData[3][r] = Tile::Ladder;
  m->Duo[0].Y = 384;
  Dispatch(*m, Event::KeyDown(vk::Up));
  Dispatch(*m, Event::KeyDown(vk::Down));
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].Y, 388);
  EXPECT_EQ(m->Duo[0].DY, 4);
  EXPECT_EQ(m->Duo[0].Jumping, 0);
  // The climbing figure: 256 + 32 x ((388 mod 16) div 8).
  EXPECT_EQ(m->ShownField.At(73, 389), SheetCell(1, 256, 64));
}

TEST(DuoMove, AWallRunIntoShowsInThePlayersColour) {
  DuoMatch m;
  AddFarItem(m);
  m->MapData[5][18] = Tile::Wall;
  Dispatch(*m, Event::KeyDown(vk::Right));
  for (int i = 0; i < 6; ++i) DuoStep(*m);
  EXPECT_EQ(m->Duo[0].X, 96);
  EXPECT_EQ(m->UncoveredImage.At(121, 433), kBlack);
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].X, 96);
  EXPECT_EQ(m->UncoveredImage.At(121, 433), kBlueTile);
}

TEST(DuoMove, TheFieldsEdgesHoldThePlayers) {
  DuoMatch m;
  AddFarItem(m);
  m->Duo[1].X = 524;
  m->Duo[0].X = 4;
  Dispatch(*m, Event::KeyDown('B'));
  Dispatch(*m, Event::KeyDown(vk::Left));
  DuoStep(*m);
  DuoStep(*m);
  EXPECT_EQ(m->Duo[1].X, 528);
  EXPECT_EQ(m->Duo[0].X, 0);
}

TEST(DuoMove, AJumpRisesOneCellAndLandsTwelveFramesLater) {
  DuoMatch m;
  AddFarItem(m);
  Dispatch(*m, Event::KeyDown('Z'));
  DuoStep(*m);
  Dispatch(*m, Event::KeyUp('Z'));
  EXPECT_EQ(m.sound.Count("jump1.wav"), 1);
  EXPECT_EQ(m->Duo[1].Jumping, 1);
  EXPECT_EQ(m->Duo[1].Y, 424);
  for (int i = 0; i < 5; ++i) DuoStep(*m);
  EXPECT_EQ(m->Duo[1].Y, 408);
  for (int i = 0; i < 5; ++i) DuoStep(*m);
  EXPECT_EQ(m.sound.Count("landing2.wav"), 0);
  DuoStep(*m);
  EXPECT_EQ(m->Duo[1].Y, 432);
  EXPECT_EQ(m->Duo[1].Jumping, 0);
  EXPECT_EQ(m.sound.Count("landing2.wav"), 1);
}

TEST(DuoMove, OnARampThePlayerSlidesDownAndCannotJump) {
  DuoMatch m;
  AddFarItem(m);
  m->MapData[5][18] = Tile::RisingSlope;
  m->Duo[0].X = 108;
  m->Duo[0].Y = 420;
  Dispatch(*m, Event::KeyDown(vk::Space));
  Dispatch(*m, Event::KeyDown(vk::Right));
  const i32 xs[] = {104, 100, 96};
  const i32 ys[] = {424, 428, 432};
  for (int f = 0; f < 3; ++f) {
    DuoStep(*m);
    EXPECT_EQ(m->Duo[0].X, xs[f]) << "frame " << f;
    EXPECT_EQ(m->Duo[0].Y, ys[f]) << "frame " << f;
  }
  EXPECT_EQ(m.sound.Count("jump1.wav"), 0);
  // The strip under the ramp's foot shows in the player's colour.
  EXPECT_EQ(m->UncoveredImage.Row(444)[80], kBlueTile);
  DuoStep(*m);
  EXPECT_EQ(m.sound.Count("jump1.wav"), 1);
}

TEST(DuoMove, WalkingOffALedgeFallsAFullCellInTheFirstFrame) {
  DuoMatch m;
  AddFarItem(m);
  m->MapData[4][19] = Tile::Empty;
  m->MapData[4][20] = Tile::Wall;
  m->Duo[0].X = 76;
  Dispatch(*m, Event::KeyDown(vk::Right));
  DuoStep(*m);
  Dispatch(*m, Event::KeyUp(vk::Right));
  EXPECT_EQ(m->Duo[0].X, 80);
  EXPECT_EQ(m->Duo[0].Jumping, 0);
  m->MapData[3][19] = Tile::Empty;
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].Jumping, 1);
  DuoStep(*m);
  EXPECT_EQ(m->Duo[0].Y, 456);
}
