#include <gtest/gtest.h>

#include "platform/MenuGlyphs.h"
#include "platform/TtfText.h"

namespace {

bool Covers(const ImVector<ImWchar>& ranges, ImWchar c) {
  for (int i = 0; i + 1 < ranges.Size; i += 2) {
    if (c >= ranges[i] && c <= ranges[i + 1]) return true;
  }
  return false;
}

}  // namespace

TEST(MenuGlyphs, HoldPrintableAsciiAndTheCaptionsCharactersOnly) {
  const ImVector<ImWchar> ranges = MenuGlyphRanges();
  ASSERT_EQ(ranges.Size % 2, 1);
  EXPECT_EQ(ranges.back(), 0);
  EXPECT_TRUE(Covers(ranges, ' '));
  EXPECT_TRUE(Covers(ranges, '~'));
  EXPECT_TRUE(Covers(ranges, 0xFF80));  // the half-width "ﾀ" of the slider dialogs' caption
  EXPECT_TRUE(Covers(ranges, 0x9332));  // "録" of the records' captions
  EXPECT_FALSE(Covers(ranges, 0x306C));  // a hiragana no caption uses
}

TEST(MenuGlyphs, TheMenuFontHasAGlyphForEveryCharacterOfTheRanges) {
  const ImVector<ImWchar> ranges = MenuGlyphRanges();
  ImFontAtlas atlas;
  ImFont* font = atlas.AddFontFromFileTTF(kGothicFontPath, 12, nullptr, ranges.Data);
  ASSERT_NE(font, nullptr);
  ASSERT_TRUE(atlas.Build());
  for (int i = 0; i + 1 < ranges.Size; i += 2) {
    for (unsigned c = ranges[i]; c <= ranges[i + 1]; ++c) {
      EXPECT_NE(font->FindGlyphNoFallback(static_cast<ImWchar>(c)), nullptr) << std::hex << c;
    }
  }
  EXPECT_LE(atlas.TexHeight, 512);
}
