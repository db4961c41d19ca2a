#include <gtest/gtest.h>

#include <vector>

#include "host/loop/ReplayPacer.h"
#include "support/TestGame.h"

namespace {

ReplayStep Tick(TimerId id, int line) { return {ReplayStep::Kind::Dispatch, Event::Tick(id), 0, line}; }
ReplayStep Key(int key, int line) { return {ReplayStep::Kind::Dispatch, Event::KeyDown(key), 0, line}; }
ReplayStep Wait(std::int64_t ms, int line) { return {ReplayStep::Kind::Wait, Event{}, ms, line}; }

struct ReplayPacerTest : ::testing::Test {
  ReplayPacerTest() {
    g->Timer1.SetEnabled(true);
    g->Timer1.SetInterval(50);
  }

  // Steps at now while steps run; what the pacer dispatched is in `seen`.
  ReplayPacer::Outcome StepAt(ReplayPacer& pacer, std::int64_t now) {
    return pacer.Step(
        *g, now, [this, now](const Event& e) { seen.push_back({e.Kind, now}); }, [this] { ++timerTurns; }, error);
  }

  struct Seen {
    EventKind Kind;
    std::int64_t At;
  };
  TestGame g;
  TimerSchedule timers;
  std::vector<Seen> seen;
  int timerTurns = 0;
  ReplayError error;
};

}  // namespace

TEST_F(ReplayPacerTest, TicksKeepTheirTimersRhythmAndAStallStartsItAgainFromNow) {
  ReplayPacer pacer(ReplayScript{{}, {}, {}, {Tick(TimerId::Timer1, 2), Tick(TimerId::Timer1, 3),
                                             Tick(TimerId::Timer1, 4)}});
  pacer.Restart(1000);
  EXPECT_EQ(pacer.NextWake(*g, timers, 1000), 1050);
  EXPECT_EQ(StepAt(pacer, 1049), ReplayPacer::Outcome::NotDue);
  EXPECT_EQ(StepAt(pacer, 1060), ReplayPacer::Outcome::Ran);
  EXPECT_EQ(pacer.NextWake(*g, timers, 1060), 1100) << "the rhythm, not 50 ms after the late tick";
  EXPECT_EQ(StepAt(pacer, 1400), ReplayPacer::Outcome::Ran);
  EXPECT_EQ(pacer.NextWake(*g, timers, 1400), 1450) << "after a stall the rhythm starts from now";
  EXPECT_EQ(StepAt(pacer, 1450), ReplayPacer::Outcome::Ran);
  EXPECT_TRUE(pacer.Finished());
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].At, 1060);
}

TEST_F(ReplayPacerTest, AWaitLetsItsTimePassWithTheTimersFiringThenEventsRunAtOnce) {
  ReplayPacer pacer(ReplayScript{{}, {}, {}, {Wait(200, 2), Key('A', 3)}});
  pacer.Restart(0);
  EXPECT_EQ(StepAt(pacer, 0), ReplayPacer::Outcome::NotDue);
  timers.Sync(*g, 0);
  EXPECT_EQ(pacer.NextWake(*g, timers, 10), 50) << "the timers' next tick comes before the wait's end";
  EXPECT_EQ(StepAt(pacer, 150), ReplayPacer::Outcome::NotDue);
  EXPECT_EQ(StepAt(pacer, 200), ReplayPacer::Outcome::Ran);
  EXPECT_EQ(timerTurns, 3) << "the due timers fire at every look during the wait";
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(pacer.NextWake(*g, timers, 200), 200);
  EXPECT_EQ(StepAt(pacer, 200), ReplayPacer::Outcome::Ran);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].Kind, EventKind::KeyDown);
  EXPECT_TRUE(pacer.Finished());
}

TEST_F(ReplayPacerTest, ATickOfATimerThatIsNotRunningFailsNamingItsLine) {
  ReplayPacer pacer(ReplayScript{{}, {}, {}, {Tick(TimerId::Timer2, 7)}});
  pacer.Restart(0);
  EXPECT_EQ(StepAt(pacer, 1000), ReplayPacer::Outcome::Failed);
  EXPECT_EQ(error.Line, 7);
  EXPECT_EQ(error.What, "Timer2 is not enabled");
  EXPECT_TRUE(seen.empty());
}

TEST_F(ReplayPacerTest, APauseHoldsTheStepsAndTheRhythmGoesOnFromWhereItStood) {
  ReplayPacer pacer(ReplayScript{{}, {}, {}, {Tick(TimerId::Timer1, 2), Tick(TimerId::Timer1, 3)}});
  pacer.Restart(1000);
  EXPECT_EQ(StepAt(pacer, 1050), ReplayPacer::Outcome::Ran);
  pacer.Pause(1060);
  EXPECT_EQ(pacer.NextWake(*g, timers, 1060), std::nullopt);
  EXPECT_EQ(StepAt(pacer, 2000), ReplayPacer::Outcome::NotDue);
  pacer.Resume(2060);
  EXPECT_EQ(pacer.NextWake(*g, timers, 2060), 2100) << "the 10 ms left before the pause, after it";
  EXPECT_EQ(StepAt(pacer, 2100), ReplayPacer::Outcome::Ran);
  EXPECT_EQ(pacer.PlayedMs(), 100);
}

TEST_F(ReplayPacerTest, ASkipPlaysTheNextStretchOfRecordedTimeAtOnceUpToAWait) {
  std::vector<ReplayStep> steps;
  for (int i = 0; i < 8; ++i) steps.push_back(Tick(TimerId::Timer1, 2 + i));
  steps.push_back(Wait(100, 10));
  steps.push_back(Tick(TimerId::Timer1, 11));
  ReplayPacer pacer(ReplayScript{{}, {}, {}, steps});
  pacer.Restart(0);
  EXPECT_EQ(pacer.TotalMs(*g), 550);
  pacer.SkipAhead(200);
  EXPECT_EQ(pacer.NextWake(*g, timers, 0), 0);
  while (StepAt(pacer, 0) == ReplayPacer::Outcome::Ran) {
  }
  EXPECT_EQ(seen.size(), 4u);
  EXPECT_EQ(pacer.PlayedMs(), 200);
  EXPECT_FALSE(pacer.Skipping());
  EXPECT_EQ(pacer.NextWake(*g, timers, 0), 50) << "the rhythm starts again from the skip";
  g->Timer1.SetInterval(100);
  EXPECT_EQ(pacer.TotalMs(*g), 200 + 500 + 100) << "the ticks to come at the timer's interval now";
  pacer.SkipAhead(10000);
  while (StepAt(pacer, 0) == ReplayPacer::Outcome::Ran) {
  }
  EXPECT_EQ(seen.size(), 8u);
  EXPECT_FALSE(pacer.Skipping()) << "the wait's time passes only on the clock";
}
