#include <gtest/gtest.h>

#include <memory>

#include "host/loop/TimerSchedule.h"
#include "state/Game.h"

namespace {

struct TimerScheduleTest : ::testing::Test {
  void Start(Timer& t, int interval) {
    t.SetInterval(interval);
    t.SetEnabled(true);
  }
  std::unique_ptr<Game> g = std::make_unique<Game>();
  TimerSchedule schedule;
};

}  // namespace

TEST_F(TimerScheduleTest, FirstTickIsOneIntervalAfterEnabling) {
  schedule.Sync(*g, 0);
  Start(g->TitleTimer, 100);
  schedule.Sync(*g, 30);
  EXPECT_EQ(schedule.NextDue(), 130);
  EXPECT_FALSE(schedule.TakeDue(129));
  EXPECT_EQ(schedule.TakeDue(130), TimerId::TitleTimer);
  EXPECT_EQ(schedule.NextDue(), 230);
}

TEST_F(TimerScheduleTest, StallGivesOneTickNotABurst) {
  Start(g->Timer1, 50);
  schedule.Sync(*g, 0);
  EXPECT_EQ(schedule.TakeDue(260), TimerId::Timer1);
  EXPECT_FALSE(schedule.TakeDue(260));
  // The rhythm goes on where it would have been: 300, not 310.
  EXPECT_EQ(schedule.NextDue(), 300);
}

TEST_F(TimerScheduleTest, ChangingTheIntervalRestartsTheCount) {
  Start(g->Timer1, 50);
  schedule.Sync(*g, 0);
  g->Timer1.SetInterval(80);
  schedule.Sync(*g, 40);
  EXPECT_EQ(schedule.NextDue(), 120);
}

TEST_F(TimerScheduleTest, UnchangedSettingsKeepTheCount) {
  Start(g->Timer1, 50);
  schedule.Sync(*g, 0);
  g->Timer1.SetInterval(50);  // the same value: no change
  schedule.Sync(*g, 40);
  EXPECT_EQ(schedule.NextDue(), 50);
}

TEST_F(TimerScheduleTest, IntervalZeroStopsTheTicks) {
  Start(g->Timer1, 50);
  schedule.Sync(*g, 0);
  g->Timer1.SetInterval(0);
  schedule.Sync(*g, 10);
  EXPECT_FALSE(schedule.NextDue());
  EXPECT_FALSE(schedule.TakeDue(1000));
}

TEST_F(TimerScheduleTest, DisabledTimersDoNotTick) {
  Start(g->Timer2, 100);
  schedule.Sync(*g, 0);
  g->Timer2.SetEnabled(false);
  schedule.Sync(*g, 50);
  EXPECT_FALSE(schedule.TakeDue(500));
}

TEST_F(TimerScheduleTest, TimersDueTogetherFireInTheirOrder) {
  Start(g->EndingTimer, 50);
  Start(g->Timer1, 50);
  Start(g->TitleTimer, 50);
  schedule.Sync(*g, 0);
  EXPECT_EQ(schedule.TakeDue(50), TimerId::TitleTimer);
  EXPECT_EQ(schedule.TakeDue(50), TimerId::Timer1);
  EXPECT_EQ(schedule.TakeDue(50), TimerId::EndingTimer);
  EXPECT_FALSE(schedule.TakeDue(50));
}

TEST_F(TimerScheduleTest, RestartAllCountsFromNow) {
  Start(g->TitleTimer, 100);
  schedule.Sync(*g, 0);
  schedule.RestartAll(*g, 1000);
  EXPECT_EQ(schedule.NextDue(), 1100);
}
