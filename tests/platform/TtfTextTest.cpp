#include <gtest/gtest.h>

#include <algorithm>

#include "platform/TtfText.h"

namespace {

struct TtfTextTest : ::testing::Test {
  void SetUp() override {
    std::string error;
    text = TtfText::Create(error);
    ASSERT_TRUE(text) << error;
  }
  std::unique_ptr<TtfText> text;
};

}  // namespace

TEST_F(TtfTextTest, TheCellIsExactlyTheRequestedHeight) {
  for (int h : {12, 20, 25, 80}) {
    const TextMask m = text->Render("Arial", h, "PAUSE");
    EXPECT_EQ(m.Height, h);
    EXPECT_GT(m.Width, 0);
  }
  EXPECT_EQ(text->Render("ＭＳ Ｐゴシック", 12, "HIGH SCORE").Height, 12);
}

TEST_F(TtfTextTest, DescendersStayInsideTheCell) {
  for (int h = 8; h <= 80; ++h) {
    EXPECT_EQ(text->Render("Arial", h, "Agjpqy").Height, h) << h;
    EXPECT_EQ(text->Render("ＭＳ Ｐゴシック", h, "Agjpqy").Height, h) << h;
  }
}

TEST_F(TtfTextTest, RendersSolidTwoLevelMasks) {
  const TextMask m = text->Render("Arial", 25, "MISS!");
  ASSERT_EQ(m.On.size(), static_cast<std::size_t>(m.Width) * m.Height);
  EXPECT_TRUE(std::all_of(m.On.begin(), m.On.end(), [](std::uint8_t v) { return v <= 1; }));
  const auto ink = std::count(m.On.begin(), m.On.end(), 1);
  EXPECT_GT(ink, 50);
  EXPECT_LT(ink, static_cast<long>(m.On.size()) / 2);
}

TEST_F(TtfTextTest, LongerTextIsWider) {
  EXPECT_GT(text->Render("Arial", 20, "GAME OVER").Width, text->Render("Arial", 20, "GAME").Width);
}

TEST_F(TtfTextTest, EmptyTextIsAnEmptyMask) {
  const TextMask m = text->Render("Arial", 20, "");
  EXPECT_EQ(m.Width, 0);
  EXPECT_TRUE(m.On.empty());
}
