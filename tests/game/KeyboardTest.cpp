#include <gtest/gtest.h>

#include <memory>

#include "game/Events.h"
#include "game/Keyboard.h"
#include "state/Game.h"
#include "support/TextLog.h"

namespace {

struct KeyboardTest : ::testing::Test {
  void SetUp() override {
    SetUpGame(*g, 0);
    g->Text = &text;
  }
  void Press(int key, int times = 1) {
    for (int i = 0; i < times; ++i) KeyPressed(*g, key);
  }
  std::unique_ptr<Game> g = std::make_unique<Game>();
  TextLog text{TextLog::kBarWidth, LetterShape::Bar};
};

}  // namespace

TEST_F(KeyboardTest, FasterStopsAtTen) {
  SetFrameInterval(*g, 10);
  Press('S');
  EXPECT_EQ(g->Timer1.Interval, 10);
  EXPECT_EQ(g->FrameIntervalLabel, "10");
}

TEST_F(KeyboardTest, FasterFromFifteenGivesFive) {
  SetFrameInterval(*g, 15);
  Press('S');
  EXPECT_EQ(g->Timer1.Interval, 5);
}

TEST_F(KeyboardTest, SlowerHasNoUpperLimit) {
  SetFrameInterval(*g, 300);
  Press('A', 3);
  EXPECT_EQ(g->Timer1.Interval, 330);
  EXPECT_EQ(g->FrameIntervalLabel, "330");
}

TEST_F(KeyboardTest, DarkerWorksThreeTimesFromTheStart) {
  Press('W', 3);
  EXPECT_EQ(g->DuoPalette[3].Red, 5);
  EXPECT_EQ(g->DuoPalette[0].Blue, 30);
  Press('W');
  EXPECT_EQ(g->DuoPalette[3].Red, 5);
  EXPECT_EQ(g->DuoPalette[2].Blue, 60);
}

TEST_F(KeyboardTest, BrighterWorksSixteenTimesFromTheStart) {
  Press('Q', 16);
  EXPECT_EQ(g->DuoPalette[2].Blue, 250);
  EXPECT_EQ(g->DuoPalette[5].Red, 215);
  Press('Q');
  EXPECT_EQ(g->DuoPalette[2].Blue, 250);
  EXPECT_EQ(g->DuoPalette[3].Red, 195);
}

TEST_F(KeyboardTest, PauseOutsidePlayDoesNothing) {
  const std::vector<Pixel> before = g->ShownField.Pixels();
  Press('P');
  EXPECT_EQ(g->Paused, 0);
  EXPECT_EQ(g->ShownField.Pixels(), before);
  EXPECT_EQ(text.Lines.size(), 0u);
}

TEST_F(KeyboardTest, PauseTwiceDuringPlayPausesThenResumesDrawingOnce) {
  g->Timer1.SetEnabled(true);
  Press('P');
  EXPECT_EQ(g->Paused, 1);
  EXPECT_EQ(text.Lines.size(), 1u);
  EXPECT_EQ(text.LastFace, "Arial");
  Press('P');
  EXPECT_EQ(g->Paused, 0);
  EXPECT_EQ(text.Lines.size(), 1u);
}

TEST_F(KeyboardTest, FAndGShareOneFlag) {
  Press('F');
  Press('G');
  EXPECT_EQ(g->UpKeys[1], 1);
  KeyReleased(*g, 'F');
  EXPECT_EQ(g->UpKeys[1], 0);
}

TEST_F(KeyboardTest, LeftAndRightTogetherSetBothFlags) {
  Press(vk::Left);
  Press(vk::Right);
  EXPECT_EQ(g->KeyLeft, 1);
  EXPECT_EQ(g->KeyRight, 1);
  EXPECT_EQ(g->LeftKeys[0], 1);
  EXPECT_EQ(g->RightKeys[0], 1);
  KeyReleased(*g, vk::Left);
  EXPECT_EQ(g->KeyLeft, 0);
  EXPECT_EQ(g->LeftKeys[0], 0);
  EXPECT_EQ(g->KeyRight, 1);
}

TEST_F(KeyboardTest, EnterSetsOnlyItsOwnFlag) {
  Press(vk::Enter);
  EXPECT_EQ(g->KeyEnter, 1);
  EXPECT_EQ(g->KeySpace, 0);
  KeyReleased(*g, vk::Enter);
  EXPECT_EQ(g->KeyEnter, 0);
}

TEST_F(KeyboardTest, OtherKeysAreIgnored) {
  for (int key : {0, 27, int('X'), int('Y'), 112, 255}) Press(key);
  EXPECT_EQ(g->Timer1.Interval, 50);
  EXPECT_EQ(g->KeyLeft + g->KeyRight + g->KeyUp + g->KeyDown + g->KeySpace + g->KeyEnter, 0);
  EXPECT_EQ(g->LeftKeys[1] + g->RightKeys[1] + g->UpKeys[1] + g->DownKeys[1] + g->JumpKeys[1], 0);
  EXPECT_EQ(g->Lives, 0);
}

TEST_F(KeyboardTest, ActivationClearsEveryHeldFlag) {
  for (int key : {vk::Left, vk::Right, vk::Up, vk::Down, vk::Space, vk::Enter, int('C'), int('B'), int('F'),
                  int('V'), int('Z')}) {
    Press(key);
  }
  Dispatch(*g, Event::Activation());
  EXPECT_EQ(g->KeyLeft + g->KeyRight + g->KeyUp + g->KeyDown + g->KeySpace + g->KeyEnter, 0);
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(g->LeftKeys[k] + g->RightKeys[k] + g->UpKeys[k] + g->DownKeys[k] + g->JumpKeys[k], 0);
  }
}
