#include <gtest/gtest.h>

#include "drawing/PaletteTags.h"
#include "game/Events.h"
#include "play/DuoStep.h"
#include "play/DuoTestKit.h"

namespace {

// The colours the player would see of the current picture.
Surface Presented(const Game& g) {
  Surface shown = g.ShownField;
  ResolvePaletteTags(shown, g.DuoPalette);
  return shown;
}

void Press(Game& g, int key, int times) {
  for (int i = 0; i < times; ++i) {
    Dispatch(g, Event::KeyDown(key));
    Dispatch(g, Event::KeyUp(key));
  }
}

// A few frames in which both players uncover their cells, then the field is
// left as it is.
void PlayAFewFrames(DuoMatch& m) {
  m.AddItem(264, 24);
  for (int i = 0; i < 3; ++i) DuoStep(*m);
}

}  // namespace

TEST(DuoBrightness, TheFieldStartsInTheDarkTints) {
  DuoMatch m;
  PlayAFewFrames(m);
  const Surface shown = Presented(*m);
  EXPECT_EQ(shown.At(72, 460), Rgb(0, 0, 60));
  EXPECT_EQ(shown.At(456, 460), Rgb(35, 0, 0));
}

TEST(DuoBrightness, SixteenBrighterStepsRecolourTilesAlreadyOnTheField) {
  DuoMatch m;
  PlayAFewFrames(m);
  const Surface before = m->ShownField;
  Press(*m, 'Q', 16);
  const Surface shown = Presented(*m);
  EXPECT_EQ(shown.At(72, 460), Rgb(0, 0, 220));
  EXPECT_EQ(shown.At(456, 460), Rgb(195, 0, 0));
  EXPECT_EQ(m->ShownField.Pixels(), before.Pixels());
  Press(*m, 'Q', 1);
  EXPECT_EQ(Presented(*m).At(72, 460), Rgb(0, 0, 220));
}

TEST(DuoBrightness, ThreeDarkerStepsRecolourTilesAlreadyOnTheField) {
  DuoMatch m;
  PlayAFewFrames(m);
  Press(*m, 'W', 3);
  Surface shown = Presented(*m);
  EXPECT_EQ(shown.At(72, 460), Rgb(0, 0, 30));
  EXPECT_EQ(shown.At(456, 460), Rgb(5, 0, 0));
  Press(*m, 'W', 1);
  shown = Presented(*m);
  EXPECT_EQ(shown.At(456, 460), Rgb(5, 0, 0));
}

TEST(DuoBrightness, TheNextFramesKeepTheTagsUnderTheFiguresAndTheResultLine) {
  DuoMatch m;
  PlayAFewFrames(m);
  Press(*m, 'Q', 2);
  m->Duo[1].Y = 2;
  m->Duo[1].State = -3;
  DuoStep(*m);
  EXPECT_FALSE(m->Timer1.Enabled);
  const Surface shown = Presented(*m);
  EXPECT_EQ(shown.At(72, 460), Rgb(0, 0, 80));
  EXPECT_EQ(shown.At(201, 201), Rgb(255, 255, 255));
}
