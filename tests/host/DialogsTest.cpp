#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/KeyedPlayFixture.h"
#include "host/loop/HeadlessRun.h"
#include "host/replay/Replay.h"

using playtest::KeyedPlayFixture;

namespace {

class TickCount : public EventObserver {
 public:
  void Dispatched(const Event& e) override {
    if (e.Kind == EventKind::Tick && e.Timer == TimerId::Timer1) ++Frames;
  }
  int Frames = 0;
};

ReplayScript Script(const std::string& steps) {
  ReplayScript script;
  ReplayError error;
  EXPECT_TRUE(ParseReplay("velmorane-replay 1\n" + steps, script, error)) << error.What;
  return script;
}

struct Colours {
  std::vector<int> Reds, Blues;
};

Colours DuoColours(const Game& g) {
  Colours c;
  for (int i = 0; i < 3; ++i) c.Blues.push_back(g.DuoPalette[i].Blue);
  for (int i = 3; i < 6; ++i) c.Reds.push_back(g.DuoPalette[i].Red);
  return c;
}

// A one-player stage in play on a floor, the frame timer at its start speed.
struct Dialogs : ::testing::Test {
  void SetUp() override {
    f.Floor();
    f.Begin(96, 432);
  }
  // Frame ticks the clock gives in ms of game time after the replay's steps.
  int FramesIn(const std::string& steps, int ms) {
    TickCount count;
    HeadlessRun run(*f, &count);
    ReplayError error;
    EXPECT_TRUE(run.Run(Script(steps + "wait " + std::to_string(ms) + "\n"), error)) << error.What;
    return count.Frames;
  }
  KeyedPlayFixture f;
};

}  // namespace

TEST_F(Dialogs, BothDialogsStartAtPositionZeroWithTheirLabelUnset) {
  EXPECT_EQ(f->SpeedDialog.Position, 0);
  EXPECT_EQ(f->SpeedDialog.Label, "Label1");
  EXPECT_EQ(f->BrightnessDialog.Position, 0);
  EXPECT_EQ(f->BrightnessDialog.Label, "Label1");
  EXPECT_EQ(f->Timer1.Interval, 50);
}

TEST_F(Dialogs, TheSpeedSliderSetsTheFrameIntervalAndBothLabels) {
  Dispatch(*f, Event::SliderMove(SliderId::Speed, 120));
  EXPECT_EQ(f->Timer1.Interval, 120);
  EXPECT_EQ(f->SpeedDialog.Position, 120);
  EXPECT_EQ(f->SpeedDialog.Label, "120");
  EXPECT_EQ(f->FrameIntervalLabel, "120");
  EXPECT_EQ(f->BrightnessDialog.Label, "Label1");
}

TEST_F(Dialogs, AtTheStartSpeedTheFrameStepRunsEveryFiftyMilliseconds) {
  EXPECT_EQ(FramesIn("", 3000), 60);
}

TEST_F(Dialogs, SpeedZeroFreezesTheGameUntilTheSliderLeavesZero) {
  const int x = f->Player.X;
  Dispatch(*f, Event::KeyDown(vk::Right));
  EXPECT_EQ(FramesIn("slider speed 0\n", 5000), 0);
  EXPECT_EQ(f->Player.X, x);
  EXPECT_EQ(FramesIn("slider speed 1\n", 10), 10);
  EXPECT_GT(f->Player.X, x);
}

TEST_F(Dialogs, SpeedThreeHundredIsSixTimesSlowerThanTheStart) {
  EXPECT_EQ(FramesIn("slider speed 300\n", 3000), 10);
  EXPECT_EQ(f->Timer1.Interval, 300);
}

TEST_F(Dialogs, TheSpeedKeysGoOnFromTheSliderValue) {
  Dispatch(*f, Event::SliderMove(SliderId::Speed, 15));
  f.Press('S');
  EXPECT_EQ(f->Timer1.Interval, 5);
  f.Press('S');
  EXPECT_EQ(f->Timer1.Interval, 10);
  // The dialog keeps the position it was left at.
  EXPECT_EQ(f->SpeedDialog.Position, 15);
}

TEST_F(Dialogs, BrightnessZeroGivesTheDarkestColours) {
  Dispatch(*f, Event::SliderMove(SliderId::Brightness, 0));
  const Colours c = DuoColours(*f);
  EXPECT_EQ(c.Reds, (std::vector<int>{0, 10, 20}));
  EXPECT_EQ(c.Blues, (std::vector<int>{25, 40, 55}));
  EXPECT_EQ(f->BrightnessDialog.Label, "0");
}

TEST_F(Dialogs, BrightnessTwoHundredTakesTheBrightestBlueToItsLimit) {
  Dispatch(*f, Event::SliderMove(SliderId::Brightness, 200));
  const Colours c = DuoColours(*f);
  EXPECT_EQ(c.Reds, (std::vector<int>{200, 210, 220}));
  EXPECT_EQ(c.Blues, (std::vector<int>{225, 240, 255}));
  EXPECT_EQ(f->BrightnessDialog.Label, "200");
  EXPECT_EQ(f->FrameIntervalLabel, "Label1");
}

TEST_F(Dialogs, AfterTheBrighterKeyTheSliderSetsTheRedAgain) {
  f.Press('Q');
  EXPECT_EQ(DuoColours(*f).Reds, (std::vector<int>{45, 55, 65}));
  Dispatch(*f, Event::SliderMove(SliderId::Brightness, 100));
  const Colours c = DuoColours(*f);
  EXPECT_EQ(c.Reds, (std::vector<int>{100, 110, 120}));
  EXPECT_EQ(c.Blues, (std::vector<int>{125, 140, 155}));
}

TEST_F(Dialogs, ABrightnessChangeRepaintsAtOnce) {
  const int before = f.repaints.Count;
  Dispatch(*f, Event::SliderMove(SliderId::Brightness, 80));
  EXPECT_EQ(f.repaints.Count, before + 1);
}

TEST_F(Dialogs, ThePauseItemPausesAndResumesThePlay) {
  Dispatch(*f, Event::MenuChoice(MenuCommand::Pause));
  EXPECT_EQ(f->Paused, 1);
  EXPECT_EQ(std::count(f.text.Lines.begin(), f.text.Lines.end(), "PAUSE"), 1);
  const int x = f->Player.X;
  f.Press(vk::Right);
  f.Tick(5);
  EXPECT_EQ(f->Player.X, x);
  Dispatch(*f, Event::MenuChoice(MenuCommand::Pause));
  EXPECT_EQ(f->Paused, 0);
  EXPECT_EQ(std::count(f.text.Lines.begin(), f.text.Lines.end(), "PAUSE"), 1);
  f.Tick();
  EXPECT_GT(f->Player.X, x);
}

TEST_F(Dialogs, ThePauseItemOnTheTitleLeavesThePlayRunningAndDrawsNothing) {
  f->Timer1.SetEnabled(false);
  f->TitleTimer.SetEnabled(true);
  const std::vector<Pixel> before = f->ShownField.Pixels();
  const int repaints = f.repaints.Count;
  Dispatch(*f, Event::MenuChoice(MenuCommand::Pause));
  EXPECT_EQ(f->Paused, 0);
  EXPECT_EQ(f->ShownField.Pixels(), before);
  EXPECT_EQ(f.repaints.Count, repaints);
}

TEST_F(Dialogs, TheExitItemClosesTheWindow) {
  EXPECT_FALSE(f->CloseRequested);
  Dispatch(*f, Event::MenuChoice(MenuCommand::Exit));
  EXPECT_TRUE(f->CloseRequested);
}

TEST_F(Dialogs, MenuItemsAndSlidersInAReplayFileActAsWhenChosen) {
  FramesIn("menu pause\nslider speed 100\nslider brightness 30\n", 1000);
  EXPECT_EQ(f->Paused, 1);
  EXPECT_EQ(f->Timer1.Interval, 100);
  EXPECT_EQ(f->DuoPalette[3].Red, 30);
  FramesIn("menu pause\nmenu restart\n", 0);
  EXPECT_EQ(f->Paused, 0);
  EXPECT_EQ(f->Lives, -3);
  EXPECT_EQ(f->Player.State, kMissDrop);
}

TEST_F(Dialogs, ARestartChosenWithOneLifeLeftEndsTheGameAfterTheFall) {
  f->Lives = 1;
  FramesIn("menu restart\n", 100 * 50);
  EXPECT_EQ(f->Lives, 0);
  EXPECT_FALSE(f->Timer1.Enabled);
  EXPECT_TRUE(f->Timer2.Enabled);
}
