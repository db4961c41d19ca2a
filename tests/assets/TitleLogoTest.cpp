#include <gtest/gtest.h>

#include "assets/AssetFiles.h"

using namespace asset_files;

TEST(TitleLogo, IsBlackLetteringOnWhiteOver450By130) {
  const Bitmap logo = ReadBitmap("TitleImage.bmp");
  ASSERT_EQ(logo.width, 450);
  ASSERT_EQ(logo.height, 130);
  EXPECT_EQ(logo.bitsPerPixel, 8);
  int ink = 0;
  for (int y = 0; y < logo.height; ++y)
    for (int x = 0; x < logo.width; ++x) {
      const Colour c = logo.ColourAt(x, y);
      ASSERT_TRUE(c == (Colour{0, 0, 0}) || c == (Colour{255, 255, 255})) << "grey pixel at " << x << "," << y;
      ink += c == Colour{0, 0, 0};
    }
  EXPECT_GT(ink, 450 * 80 / 6) << "too little lettering";
  EXPECT_LT(ink, 450 * 80 / 2) << "lettering swamps the logo";
}

// The title screen shows the logo's lettering where it cuts into the
// coloured bands, rows 20 to 99 of the logo; outside them it would vanish
// against the black screen.
TEST(TitleLogo, LetteringLiesOverTheBands) {
  const Bitmap logo = ReadBitmap("TitleImage.bmp");
  int left = logo.width, right = -1;
  for (int y = 0; y < logo.height; ++y)
    for (int x = 0; x < logo.width; ++x)
      if (logo.ColourAt(x, y) == (Colour{0, 0, 0})) {
        ASSERT_GE(y, 20) << "ink above the bands";
        ASSERT_LE(y, 99) << "ink below the bands";
        left = std::min(left, x);
        right = std::max(right, x);
      }
  EXPECT_LT(left, 60);
  EXPECT_GT(right, 390) << "the word spans the logo";
}
