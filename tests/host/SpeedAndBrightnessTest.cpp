#include <gtest/gtest.h>

#include "game/Events.h"
#include "host/settings/SpeedAndBrightness.h"
#include "support/TestGame.h"

TEST(SpeedAndBrightness, DefaultsSendNothing) {
  TestGame g;
  EXPECT_TRUE(SlidersForSettings(*g, Settings{}).empty());
}

TEST(SpeedAndBrightness, RememberedValuesBecomeSliderEventsThatSetThem) {
  TestGame g;
  Settings s;
  s.FrameInterval = 60;
  s.Brightness = 120;
  const auto events = SlidersForSettings(*g, s);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].Kind, EventKind::Slider);
  EXPECT_EQ(events[0].Slider, SliderId::Speed);
  EXPECT_EQ(events[0].Value, 60);
  EXPECT_EQ(events[1].Slider, SliderId::Brightness);
  EXPECT_EQ(events[1].Value, 120);
  for (const Event& e : events) Dispatch(*g, e);
  EXPECT_EQ(g->Timer1.Interval, 60);
  EXPECT_EQ(DuoBrightness(*g), 120);
  EXPECT_TRUE(SlidersForSettings(*g, s).empty());
}

TEST(SpeedAndBrightness, TheGamesValuesAreTakenBack) {
  TestGame g;
  Dispatch(*g, Event::KeyDown('A'));
  Dispatch(*g, Event::KeyDown('Q'));
  Settings s;
  TakeSpeedAndBrightness(*g, s);
  EXPECT_EQ(s.FrameInterval, 60);
  EXPECT_EQ(s.Brightness, 45);
}

TEST(SpeedAndBrightness, AStoppedOrVerySlowGameKeepsTheSpeedKeptBefore) {
  TestGame g;
  Settings s;
  s.FrameInterval = 70;
  Dispatch(*g, Event::SliderMove(SliderId::Speed, 0));
  TakeSpeedAndBrightness(*g, s);
  EXPECT_EQ(s.FrameInterval, 70);
  Dispatch(*g, Event::SliderMove(SliderId::Speed, 300));
  TakeSpeedAndBrightness(*g, s);
  EXPECT_EQ(s.FrameInterval, 300);
  Dispatch(*g, Event::KeyDown('A'));
  TakeSpeedAndBrightness(*g, s);
  EXPECT_EQ(s.FrameInterval, 300) << "310 is beyond what the file keeps";
}

TEST(SpeedAndBrightness, AWatchNoticesEachChangeOnce) {
  TestGame g;
  SpeedAndBrightnessWatch watch;
  watch.Reset(*g);
  EXPECT_FALSE(watch.Changed(*g));
  Dispatch(*g, Event::KeyDown('S'));  // faster
  EXPECT_TRUE(watch.Changed(*g));
  EXPECT_FALSE(watch.Changed(*g)) << "seen once";
  Dispatch(*g, Event::SliderMove(SliderId::Brightness, 90));
  EXPECT_TRUE(watch.Changed(*g));
}
