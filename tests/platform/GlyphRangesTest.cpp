#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "base/Utf8.h"
#include "platform/GlyphRanges.h"
#include "host/text/MenuCaptions.h"
#include "host/text/RecordCaptions.h"
#include "platform/TtfText.h"

namespace {

bool Covers(const std::vector<ImWchar>& ranges, char32_t c) {
  for (std::size_t i = 0; i + 1 < ranges.size(); i += 2) {
    if (c >= ranges[i] && c <= ranges[i + 1]) return true;
  }
  return false;
}

}  // namespace

TEST(GlyphRanges, DecodesTheHalfWidthDialogCaption) {
  EXPECT_EQ(DecodeUtf8(CaptionsIn(Language::Japanese).SpeedDialog),
            (std::vector<char32_t>{0xFF80, 0xFF9E, 0xFF72, 0xFF71, 0xFF9B, 0xFF78, 0xFF9E}));
}

TEST(GlyphRanges, PlainAsciiIsOneRange) {
  EXPECT_EQ(GlyphRangesFor({"Game", "OK"}), (std::vector<ImWchar>{0x20, 0x7E, 0}));
}

TEST(GlyphRanges, EveryShownCaptionIsCoveredBySortedMergedRanges) {
  std::vector<std::string_view> captions = AllCaptionTexts();
  const std::vector<std::string_view> records = AllRecordCaptionTexts();
  captions.insert(captions.end(), records.begin(), records.end());
  const std::vector<ImWchar> ranges = GlyphRangesFor(captions);
  ASSERT_EQ(ranges.size() % 2, 1u);
  EXPECT_EQ(ranges.back(), 0);
  for (std::size_t i = 0; i + 1 < ranges.size(); i += 2) {
    EXPECT_LE(ranges[i], ranges[i + 1]);
    if (i >= 2) {
      EXPECT_GT(ranges[i], ranges[i - 1] + 1) << "touching ranges are merged";
    }
  }
  for (std::string_view c : captions) {
    for (char32_t ch : DecodeUtf8(c)) EXPECT_TRUE(Covers(ranges, ch)) << std::hex << static_cast<unsigned>(ch);
  }
  EXPECT_TRUE(Covers(ranges, '0'));
  EXPECT_TRUE(Covers(ranges, 'L'));
  EXPECT_FALSE(Covers(ranges, 0x306C));  // a hiragana no caption uses
}

TEST(GlyphRanges, TheMenuFontHasAGlyphForEveryCaptionCharacter) {
  std::vector<std::string_view> captions = AllCaptionTexts();
  const std::vector<std::string_view> records = AllRecordCaptionTexts();
  captions.insert(captions.end(), records.begin(), records.end());
  const std::vector<ImWchar> ranges = GlyphRangesFor(captions);
  ImFontAtlas atlas;
  ImFont* font = atlas.AddFontFromFileTTF(kGothicFontPath, 12, nullptr, ranges.data());
  ASSERT_NE(font, nullptr);
  ASSERT_TRUE(atlas.Build());
  for (std::string_view c : captions) {
    for (char32_t ch : DecodeUtf8(c)) {
      EXPECT_NE(font->FindGlyphNoFallback(static_cast<ImWchar>(ch)), nullptr) << std::hex << static_cast<unsigned>(ch);
    }
  }
  EXPECT_LE(atlas.TexHeight, 512);
}
