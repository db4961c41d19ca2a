#include <gtest/gtest.h>

#include "platform/Letterbox.h"

TEST(Letterbox, ExactFitAtScaleOne) {
  const Viewport v = FitCanvas(744, 540);
  EXPECT_EQ(v.Scale, 1);
  EXPECT_EQ(v.X, 0);
  EXPECT_EQ(v.Y, 0);
  EXPECT_EQ(v.ClientY, kMenuBarHeight);
}

TEST(Letterbox, LargestWholeScaleCentred) {
  const Viewport v = FitCanvas(1600, 1200);
  EXPECT_EQ(v.Scale, 2);
  EXPECT_EQ(v.X, (1600 - 1488) / 2);
  EXPECT_EQ(v.Y, (1200 - 1080) / 2);
  EXPECT_EQ(v.ClientX, v.X);
  EXPECT_EQ(v.ClientY, v.Y + 2 * kMenuBarHeight);
}

TEST(Letterbox, TheNarrowerSideDecides) {
  EXPECT_EQ(FitCanvas(3000, 1619).Scale, 2);
  EXPECT_EQ(FitCanvas(3000, 1620).Scale, 3);
  EXPECT_EQ(FitCanvas(2231, 5000).Scale, 2);
}

TEST(Letterbox, TooSmallWindowsStillShowScaleOne) {
  const Viewport v = FitCanvas(300, 200);
  EXPECT_EQ(v.Scale, 1);
  EXPECT_EQ(v.X, 0);
  EXPECT_EQ(v.Y, 0);
}

TEST(Letterbox, WindowSizeForAScale) {
  int w = 0, h = 0;
  CanvasWindowSize(2, w, h);
  EXPECT_EQ(w, 1488);
  EXPECT_EQ(h, 1080);
}
