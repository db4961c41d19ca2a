#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/loop/DialogPause.h"
#include "host/loop/TurnLoop.h"
#include "screens/Title.h"
#include "support/TestGame.h"

namespace {

class Menus : public EventObserver {
 public:
  void Dispatched(const Event& e) override {
    if (e.Kind == EventKind::Menu) Seen.push_back(ReplayLine(e));
  }
  std::vector<std::string> Take() { return std::exchange(Seen, {}); }
  std::vector<std::string> Seen;
};

using Said = std::vector<std::string>;

struct DialogPauseTest : ::testing::Test {
  void SetUp() override {
    g->Timer1.SetEnabled(true);  // in play
    loop.Begin(0);
  }
  void Turn() { loop.Turn(now += 1); }

  TestGame g;
  Menus menus;
  TurnLoop loop{*g, &menus};
  DialogPause pause{*g, loop};
  std::int64_t now = 0;
};

}  // namespace

TEST_F(DialogPauseTest, TheGameWaitsWhileAMenuOrDialogIsOpenAndGoesOnAfter) {
  pause.Follow(true);
  Turn();
  EXPECT_EQ(g->Paused, 1);
  pause.Follow(true);
  Turn();
  EXPECT_EQ(menus.Take(), Said{"menu pause"}) << "once for as long as anything stays open";
  pause.Follow(false);
  Turn();
  EXPECT_EQ(g->Paused, 0);
  EXPECT_EQ(menus.Take(), Said{"menu pause"});
}

TEST_F(DialogPauseTest, APauseThePlayerMadeStaysAfterTheDialogCloses) {
  Dispatch(*g, Event::MenuChoice(MenuCommand::Pause));
  pause.Follow(true);
  pause.Follow(false);
  Turn();
  EXPECT_EQ(g->Paused, 1);
  EXPECT_TRUE(menus.Take().empty());
}

TEST_F(DialogPauseTest, NoGameInPlayIsHeld) {
  ShowTitle(*g);
  pause.Follow(true);
  pause.Follow(false);
  Turn();
  EXPECT_TRUE(menus.Take().empty());
}
