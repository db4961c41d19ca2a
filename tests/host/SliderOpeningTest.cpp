#include <gtest/gtest.h>

#include "game/Events.h"
#include "host/settings/SliderOpening.h"
#include "support/TestGame.h"

TEST(SliderOpening, TheSlidersOpenAtTheGamesSpeedAndBrightness) {
  TestGame g;
  EXPECT_EQ(SliderOnOpening(*g, SliderId::Speed, false), (SliderShown{50, "50"}));
  EXPECT_EQ(SliderOnOpening(*g, SliderId::Brightness, false), (SliderShown{35, "35"}));
  Dispatch(*g, Event::KeyDown('A'));
  Dispatch(*g, Event::KeyDown('Q'));
  EXPECT_EQ(SliderOnOpening(*g, SliderId::Speed, false), (SliderShown{60, "60"}));
  EXPECT_EQ(SliderOnOpening(*g, SliderId::Brightness, false), (SliderShown{45, "45"}));
}

TEST(SliderOpening, AValueBeyondTheSliderHoldsItAtItsEndAndNamesTheValue) {
  TestGame g;
  for (int i = 0; i < 30; ++i) Dispatch(*g, Event::KeyDown('A'));
  EXPECT_EQ(SliderOnOpening(*g, SliderId::Speed, false), (SliderShown{300, "350"}));
}

TEST(SliderOpening, ClassicDialogsOpenWhereTheyWereLeft) {
  TestGame g;
  EXPECT_EQ(SliderOnOpening(*g, SliderId::Speed, true), (SliderShown{0, "Label1"}));
  EXPECT_EQ(SliderOnOpening(*g, SliderId::Brightness, true), (SliderShown{0, "Label1"}));
  Dispatch(*g, Event::SliderMove(SliderId::Brightness, 120));
  Dispatch(*g, Event::KeyDown('W'));
  EXPECT_EQ(SliderOnOpening(*g, SliderId::Brightness, true), (SliderShown{120, "120"}));
  EXPECT_EQ(SliderOnOpening(*g, SliderId::Brightness, false), (SliderShown{110, "110"}));
}
