#include <gtest/gtest.h>

#include "game/Events.h"
#include "play/DuoStep.h"
#include "play/DuoTestKit.h"

// Player 2 climbs down a ladder in the rightmost column with its left key
// held: the floor cell in its own column pushes it one cell right, outside
// the field, and the floor must still hold it there.
TEST(DuoRightEdgeLadder, ClimbingDownWithLeftHeldNeverSinksThroughTheFloor) {
  DuoMatch m;
  m.AddItem(264, 24);
  for (int r = 10; r <= 18; ++r) m->MapData[22][r] = Tile::Ladder;
  m->Duo[1].X = 528;
  m->Duo[1].Y = 384;
  Dispatch(*m, Event::KeyDown('V'));
  Dispatch(*m, Event::KeyDown('C'));
  for (int frame = 0; frame < 30; ++frame) {
    DuoStep(*m);
    ASSERT_LE(m->Duo[1].Y, 432) << "frame " << frame;
    ASSERT_EQ(m->Duo[1].Jumping, 0) << "frame " << frame;
  }
  EXPECT_EQ(m->Duo[1].X, 528);
  EXPECT_EQ(m->Duo[1].Y, 432);
  EXPECT_EQ(m->Duo[1].State, kInPlay);
}
