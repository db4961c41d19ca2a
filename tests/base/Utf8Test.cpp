#include <gtest/gtest.h>

#include "base/Utf8.h"

TEST(Utf8, DecodesEveryLengthOfSequence) {
  EXPECT_EQ(DecodeUtf8("A\xC3\xA9\xE7\xB5\x82\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"),
            (std::vector<char32_t>{'A', 0xE9, 0x7D42, 0x1F600, 0x10FFFF}));
}

TEST(Utf8, AMalformedByteReadsAsTheReplacementCharacter) {
  EXPECT_EQ(DecodeUtf8("\x80G\xE7\xB5"), (std::vector<char32_t>{0xFFFD, 'G', 0xFFFD, 0xFFFD}));
  EXPECT_EQ(DecodeUtf8("\xE7" "AB"), (std::vector<char32_t>{0xFFFD, 'A', 'B'}));
}

TEST(Utf8, OverlongFormsSurrogatesAndTooLargeValuesAreMalformed) {
  for (std::string_view bad : {"\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF0\x80\x80\xAF",
                               "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF"}) {
    EXPECT_FALSE(IsUtf8(bad)) << testing::PrintToString(bad);
    EXPECT_EQ(DecodeUtf8(bad).front(), 0xFFFDu);
  }
}

TEST(Utf8, WholeTextsAreChecked) {
  EXPECT_TRUE(IsUtf8(""));
  EXPECT_TRUE(IsUtf8("player_name = \xE5\xA4\xAA\xE9\x83\x8E"));
  EXPECT_FALSE(IsUtf8("cut short \xE5\xA4"));
}
