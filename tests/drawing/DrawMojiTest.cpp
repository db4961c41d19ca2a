#include <gtest/gtest.h>

#include <memory>

#include "support/TextLog.h"
#include "drawing/DrawMoji.h"
#include "state/Game.h"

namespace {

constexpr Pixel kGround = Rgb(30, 60, 90);

struct DrawMojiTest : ::testing::Test {
  void SetUp() override {
    g->Text = &text;
    dest = Surface(100, 60, kGround);
  }
  std::unique_ptr<Game> g = std::make_unique<Game>();
  TextLog text{TextLog::kBarWidth, LetterShape::Bar};
  Surface dest;
};

}  // namespace

TEST_F(DrawMojiTest, ChangesOnlyLetterPixels) {
  DrawMoji(*g, dest, "AB", 1, 2, 10, 5, 20, 0x0000FF, "Arial");
  for (int y = 0; y < dest.Height(); ++y) {
    for (int x = 0; x < dest.Width(); ++x) {
      const bool ink = text.IsInk(x - 10, y - 5, 2, 20);
      EXPECT_EQ(dest.At(x, y), ink ? Rgb(255, 0, 0) : kGround) << x << "," << y;
    }
  }
}

TEST_F(DrawMojiTest, CountCopiesStepPixelsApart) {
  DrawMoji(*g, dest, "A", 2, 3, 10, 5, 20, 0xFFFFFF, "Arial");
  const Pixel white = Rgb(255, 255, 255);
  // The one letter bar of the fake font covers columns 1 and 2 of its cell.
  EXPECT_EQ(dest.At(11, 10), white);
  EXPECT_EQ(dest.At(12, 10), white);
  EXPECT_EQ(dest.At(13, 10), kGround);
  EXPECT_EQ(dest.At(14, 10), white);
  EXPECT_EQ(dest.At(15, 10), white);
  EXPECT_EQ(dest.At(16, 10), kGround);
}

TEST_F(DrawMojiTest, TwoHeightsInARowLeaveNoBand) {
  DrawMoji(*g, dest, "A", 1, 2, 0, 0, 25, 0x00FF00, "Arial");
  Surface second(100, 60, kGround);
  DrawMoji(*g, second, "A", 1, 2, 20, 10, 20, 0x00FF00, "Arial");
  for (int y = 0; y < second.Height(); ++y) {
    for (int x = 0; x < second.Width(); ++x) {
      if (!text.IsInk(x - 20, y - 10, 1, 20)) {
        ASSERT_EQ(second.At(x, y), kGround) << x << "," << y;
      }
    }
  }
}

TEST_F(DrawMojiTest, CountZeroDrawsNothingButStillRenders) {
  DrawMoji(*g, dest, "AB", 0, 2, 10, 5, 20, 0x0000FF, "Arial");
  EXPECT_EQ(text.Lines.size(), 1u);
  for (Pixel p : dest.Pixels()) ASSERT_EQ(p, kGround);
}

TEST_F(DrawMojiTest, EmptyTextChangesNothing) {
  DrawMoji(*g, dest, "", 2, 2, 10, 5, 20, 0x0000FF, "Arial");
  for (Pixel p : dest.Pixels()) ASSERT_EQ(p, kGround);
}

TEST_F(DrawMojiTest, LongFontNamesAreCutTo31Characters) {
  const std::string name(40, 'x');
  DrawMoji(*g, dest, "A", 1, 2, 0, 0, 20, 0x0000FF, name);
  EXPECT_EQ(text.LastFace, std::string(31, 'x'));
}
