// The browser draws its text from the glyph file the build makes with the
// desktop's own text code: every line the game draws must come out with the
// very pixels SDL2_ttf gives the desktop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/FileBytes.h"
#include "host/text/GlyphText.h"
#include "platform/TtfText.h"

namespace {

constexpr const char* kGlyphFile = VELMORANE_BUILD_DIR "/web/text.glyphs";

struct GlyphTextTest : ::testing::Test {
  void SetUp() override {
    std::string error;
    ttf = TtfText::Create(error);
    ASSERT_TRUE(ttf) << error;
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(ReadFileBytes(kGlyphFile, bytes, error)) << error;
    ASSERT_TRUE(glyphs.Load(bytes, "text.glyphs", error)) << error;
  }

  void ExpectSame(const char* face, int height, const std::string& line) {
    const TextMask want = ttf->Render(face, height, line);
    const TextMask got = glyphs.Render(face, height, line);
    EXPECT_EQ(got.Width, want.Width) << face << ' ' << height << " '" << line << "'";
    EXPECT_EQ(got.Height, want.Height) << face << ' ' << height << " '" << line << "'";
    EXPECT_TRUE(got.On == want.On) << face << ' ' << height << " '" << line << "'";
  }

  std::unique_ptr<TtfText> ttf;
  GlyphText glyphs;
};

const std::vector<std::string> kFieldLines = {
    "PUSH ENTER-KEY ... ", "TO START NORMAL GAME!", "PUSH SPACE-KEY ...", "TO START 2-PLAYERS GAME!",
    "P: PAUSE   R: RESTART   A/S: SPEED", "YOU CLEARED ALL STAGES.", "CONGRATULATIONS!", "THANK YOU FOR PLAYING",
    "PUSH ENTER-KEY TO THE TITLE", "No-Miss BONUS=1000", "No-Continue BONUS=5000", "PLAYER-1 Won!", "PLAYER-2 Won!",
    "STAGE 1:ROAD AND LADDER", "STAGE 2:JUMPING", "STAGE 3:THE AMIDA", "STAGE 4:TWO MOUNTAINS", "STAGE 5:BUILDING",
    "STAGE 6:HOLE HOLE HOLE", "STAGE 7:SKY ROOMS", "STAGE 8:SLOPE PANIC!", "STAGE 9:FLOATS", "STAGE 10:THE MAZE"};

}  // namespace

TEST_F(GlyphTextTest, TheFieldsLinesAndBanners) {
  for (const std::string& line : kFieldLines) ExpectSame("Arial", 20, line);
  for (const char* banner : {"MISS!", "GAME OVER", "PAUSE", "- CLEAR!! -", "PLAYER-1 Won!", "PLAYER-2 Won!"}) {
    ExpectSame("Arial", 25, banner);
  }
}

TEST_F(GlyphTextTest, TheBlockBonusAtEveryCount) {
  for (int cells = 0; cells <= 483; ++cells) ExpectSame("Arial", 20, "BLOCK BONUS=" + std::to_string(10 * cells));
}

TEST_F(GlyphTextTest, TheSidePanelsNumbersAndCaptions) {
  for (const std::string& line : kFieldLines) ExpectSame("ＭＳ Ｐゴシック", 12, line);
  for (const char* label : {"Rest", "SCORE", "HIGH SCORE", "StageMemo"}) ExpectSame("ＭＳ Ｐゴシック", 12, label);
  for (int score = 0; score < 200000; score += 7) ExpectSame("ＭＳ Ｐゴシック", 12, std::to_string(score));
}

TEST_F(GlyphTextTest, AFaceOrHeightNotInTheFileDrawsNothing) {
  EXPECT_EQ(glyphs.Render("Arial", 31, "PAUSE").Width, 0);
  EXPECT_EQ(glyphs.Render("Arial", 20, "").Width, 0);
}

TEST(GlyphTextFile, ABrokenFileIsRefusedNamingIt) {
  GlyphText glyphs;
  std::string error;
  EXPECT_FALSE(glyphs.Load({'V', 'G', 'L', 'Y', 1, 0, 0, 20}, "cut.glyphs", error));
  EXPECT_EQ(error, "cut.glyphs: glyph file is cut short or has bytes after its end");
  EXPECT_FALSE(glyphs.Load({'N', 'O', 'P', 'E'}, "other.bin", error));
  EXPECT_EQ(error, "other.bin: not a glyph file");
}
