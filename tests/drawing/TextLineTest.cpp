#include <gtest/gtest.h>

#include <memory>

#include "drawing/TextLine.h"
#include "state/Game.h"
#include "support/TextLog.h"

namespace {

constexpr Pixel kGround = Rgb(30, 60, 90);

struct TextLineTest : ::testing::Test {
  void SetUp() override {
    g->Text = &text;
    dest = Surface(100, 60, kGround);
  }
  std::unique_ptr<Game> g = std::make_unique<Game>();
  TextLog text{TextLog::kBarWidth, LetterShape::Bar};
  Surface dest;
};

}  // namespace

TEST_F(TextLineTest, ChangesOnlyLetterPixels) {
  DrawTextLine(*g, dest, "AB", 10, 5, TextStyle{"Arial", 20, 0x0000FF, 1, 2});
  for (int y = 0; y < dest.Height(); ++y) {
    for (int x = 0; x < dest.Width(); ++x) {
      const bool ink = text.IsInk(x - 10, y - 5, 2, 20);
      EXPECT_EQ(dest.At(x, y), ink ? Rgb(255, 0, 0) : kGround) << x << "," << y;
    }
  }
}

TEST_F(TextLineTest, ShadowCopiesStandStepPixelsApart) {
  DrawTextLine(*g, dest, "A", 10, 5, TextStyle{"Arial", 20, 0xFFFFFF, 2, 3});
  const Pixel white = Rgb(255, 255, 255);
  // The one letter bar of the fake font covers columns 1 and 2 of its cell.
  EXPECT_EQ(dest.At(11, 10), white);
  EXPECT_EQ(dest.At(12, 10), white);
  EXPECT_EQ(dest.At(13, 10), kGround);
  EXPECT_EQ(dest.At(14, 10), white);
  EXPECT_EQ(dest.At(15, 10), white);
  EXPECT_EQ(dest.At(16, 10), kGround);
}

TEST_F(TextLineTest, TwoHeightsInARowLeaveNoBand) {
  DrawTextLine(*g, dest, "A", 0, 0, TextStyle{"Arial", 25, 0x00FF00, 1, 2});
  Surface second(100, 60, kGround);
  DrawTextLine(*g, second, "A", 20, 10, TextStyle{"Arial", 20, 0x00FF00, 1, 2});
  for (int y = 0; y < second.Height(); ++y) {
    for (int x = 0; x < second.Width(); ++x) {
      if (!text.IsInk(x - 20, y - 10, 1, 20)) {
        ASSERT_EQ(second.At(x, y), kGround) << x << "," << y;
      }
    }
  }
}

TEST_F(TextLineTest, NoCopiesDrawNothingButStillRender) {
  DrawTextLine(*g, dest, "AB", 10, 5, TextStyle{"Arial", 20, 0x0000FF, 0, 2});
  EXPECT_EQ(text.Lines.size(), 1u);
  for (Pixel p : dest.Pixels()) ASSERT_EQ(p, kGround);
}

TEST_F(TextLineTest, EmptyTextChangesNothing) {
  DrawTextLine(*g, dest, "", 10, 5, TextStyle{"Arial", 20, 0x0000FF, 2, 2});
  for (Pixel p : dest.Pixels()) ASSERT_EQ(p, kGround);
}

TEST_F(TextLineTest, LongFontNamesAreCutTo31Characters) {
  const std::string name(40, 'x');
  DrawTextLine(*g, dest, "A", 0, 0, TextStyle{name.c_str(), 20, 0x0000FF, 1, 2});
  EXPECT_EQ(text.LastFace, std::string(31, 'x'));
}
