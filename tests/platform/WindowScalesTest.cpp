#include <gtest/gtest.h>

#include "host/settings/Settings.h"
#include "platform/WindowScales.h"

namespace {

// A 1600 x 1200 screen with a 30-pixel panel at its top.
constexpr ScreenArea kScreen{0, 30, 1600, 1170};

}  // namespace

TEST(WindowScales, OnlyTheScalesThatFitTheUsableAreaAreOfferedWithTheSizeEachNeeds) {
  const std::vector<ScaleChoice> offered = OfferedScales(kScreen);
  ASSERT_EQ(offered.size(), static_cast<std::size_t>(Settings::kMenuWindowScales));
  EXPECT_TRUE(offered[0].Fits);
  EXPECT_TRUE(offered[1].Fits);
  EXPECT_FALSE(offered[2].Fits);
  EXPECT_FALSE(offered[3].Fits);
  EXPECT_EQ(offered[2].Scale, 3);
  EXPECT_EQ(offered[2].Width, 2232);
  EXPECT_EQ(offered[2].Height, 1620);
}

TEST(WindowScales, ASavedScaleThatNoLongerFitsFallsBackToTheLargestThatDoes) {
  EXPECT_EQ(ScaleToUse(3, kScreen), 2);
  EXPECT_EQ(ScaleToUse(4, kScreen), 2);
  EXPECT_EQ(ScaleToUse(1, kScreen), 1);
  EXPECT_EQ(ScaleToUse(Settings::kFitScale, kScreen), 2);
  EXPECT_EQ(ScaleToUse(Settings::kFitScale, {0, 0, 3840, 2160}), 3);
  EXPECT_EQ(ScaleToUse(2, {0, 0, 640, 480}), 1);
}

TEST(WindowScales, TheWindowOpensCentredOnTheScreenAndNeverAboveOrLeftOfIt) {
  const WindowPlace p = PlaceWindow(3, kScreen);
  EXPECT_EQ(p.Scale, 2);
  EXPECT_EQ(p.Width, 1488);
  EXPECT_EQ(p.Height, 1080);
  EXPECT_EQ(p.X, 56);
  EXPECT_GE(p.Y, kScreen.Y);
  EXPECT_LE(p.Y + p.Height, kScreen.Y + kScreen.H);
  // Even 1x is larger than this screen: the corner stays on it.
  const WindowPlace small = PlaceWindow(1, {0, 0, 640, 480});
  EXPECT_EQ(small.X, 0);
  EXPECT_GE(small.Y, 0);
}
