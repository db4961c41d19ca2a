#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host/loop/HeadlessRun.h"
#include "state/Game.h"

namespace {

class Log : public EventObserver {
 public:
  void Dispatched(const Event& e) override { Lines.push_back(ReplayLine(e)); }
  std::vector<std::string> Lines;
};

struct HeadlessRunTest : ::testing::Test {
  ReplayScript Script(const std::string& steps) {
    ReplayScript script;
    ReplayError error;
    EXPECT_TRUE(ParseReplay("velmorane-replay 1\n" + steps, script, error)) << error.What;
    return script;
  }
  // Only the ending timer runs: its handler touches nothing but the ending.
  void SetUp() override {
    g->EndingTimer.SetInterval(50);
    g->EndingTimer.SetEnabled(true);
  }
  std::unique_ptr<Game> g = std::make_unique<Game>();
  Log log;
  HeadlessRun run{*g, &log};
};

}  // namespace

TEST_F(HeadlessRunTest, WaitFiresTimersAsTheyFallDue) {
  ReplayError error;
  ASSERT_TRUE(run.Run(Script("wait 49\nactivate\nwait 1\nwait 100\n"), error));
  EXPECT_EQ(log.Lines, (std::vector<std::string>{"activate", "tick EndingTimer", "tick EndingTimer",
                                                 "tick EndingTimer"}));
  EXPECT_EQ(run.Now(), 150);
}

TEST_F(HeadlessRunTest, ATickOfADisabledTimerStopsTheRun) {
  ReplayError error;
  EXPECT_FALSE(run.Run(Script("activate\ntick Timer2\nactivate\n"), error));
  EXPECT_EQ(error.Line, 3);
  EXPECT_EQ(error.What, "Timer2 is not enabled");
  EXPECT_EQ(log.Lines, std::vector<std::string>{"activate"});
}

TEST_F(HeadlessRunTest, ExitEndsTheRun) {
  ReplayError error;
  ASSERT_TRUE(run.Run(Script("menu exit\nactivate\nwait 500\n"), error));
  EXPECT_EQ(log.Lines, std::vector<std::string>{"menu exit"});
  EXPECT_EQ(run.Now(), 0);
}

TEST_F(HeadlessRunTest, AHeldTuneMovesTheClockAndRestartsTheCounts) {
  ReplayError error;
  ASSERT_TRUE(run.Run(Script("wait 30\n"), error));
  run.AdvanceVirtualClock(1000);
  EXPECT_EQ(run.Now(), 1030);
  ASSERT_TRUE(run.Run(Script("wait 49\n"), error));
  EXPECT_TRUE(log.Lines.empty());
  ASSERT_TRUE(run.Run(Script("wait 1\n"), error));
  EXPECT_EQ(log.Lines, std::vector<std::string>{"tick EndingTimer"});
}

TEST_F(HeadlessRunTest, SpeedChangeRestartsTheFrameCount) {
  g->EndingTimer.SetEnabled(false);
  g->Timer1.SetInterval(50);
  g->Timer1.SetEnabled(true);
  g->Paused = 1;  // the frame handler does nothing while paused
  ReplayError error;
  ASSERT_TRUE(run.Run(Script("wait 40\nslider speed 100\nwait 99\n"), error));
  EXPECT_EQ(log.Lines, std::vector<std::string>{"slider speed 100"});
  ASSERT_TRUE(run.Run(Script("wait 1\n"), error));
  EXPECT_EQ(log.Lines.back(), "tick Timer1");
}
