#include <gtest/gtest.h>

#include <sstream>

#include "game/StateDump.h"
#include "host/loop/FreshGame.h"
#include "screens/Title.h"
#include "support/TestGame.h"

namespace {

std::string Dump(const Game& g) {
  std::ostringstream out;
  DumpState(g, 0, out);
  return out.str();
}

}  // namespace

TEST(FreshGame, IsTheGameAPlainStartGivesKeepingTheServices) {
  TestGame plain;
  SetUpGame(*plain, 7);
  plain->PracticeStage = 3;
  plain->HiScore = 900;
  ShowTitle(*plain);

  TestGame played;
  ShowTitle(*played);
  Dispatch(*played, Event::KeyDown(vk::Enter));
  ASSERT_NE(Dump(*played), Dump(*plain));
  Game* const kept = played.g.get();
  StartGameAfresh(*played, ReplayStart{7, 3, 900});
  EXPECT_EQ(Dump(*played), Dump(*plain));
  EXPECT_EQ(played.g.get(), kept);
  EXPECT_EQ(played->Screen, &played.screen);
  EXPECT_EQ(played->MusicPlayer.Backend(), &played.music);
}
