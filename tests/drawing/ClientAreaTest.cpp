#include <gtest/gtest.h>

#include <memory>

#include "drawing/ClientArea.h"
#include "drawing/PaletteTags.h"
#include "support/TextLog.h"

namespace {

constexpr Pixel kField = Rgb(200, 0, 0);
constexpr Pixel kWhite = Rgb(255, 255, 255);
constexpr Pixel kGrey = Rgb(128, 128, 128);

struct ClientAreaTest : ::testing::Test {
  void SetUp() override {
    g->Text = &text;
    g->ShownField = Surface(kFieldWidth, kFieldHeight, kField);
    g->LivesImage = Surface(129, 97, Rgb(0, 0, 200));
    g->ScoreBar = Surface(89, 17, Rgb(0, 200, 0));
    g->HiScoreBar = Surface(89, 17, Rgb(0, 100, 0));
    ComposeClientArea(*g, picture);
  }
  std::unique_ptr<Game> g = std::make_unique<Game>();
  TextLog text{TextLog::kBarWidth, LetterShape::Bar};
  Surface picture;
};

}  // namespace

TEST_F(ClientAreaTest, PlayFieldSitsAt24By16) {
  ASSERT_EQ(picture.Width(), kClientWidth);
  ASSERT_EQ(picture.Height(), kClientHeight);
  EXPECT_EQ(picture.At(24, 16), kField);
  EXPECT_EQ(picture.At(24 + 552, 16 + 480), kField);
  EXPECT_EQ(picture.At(23, 16), kFaceColour);
  EXPECT_EQ(picture.At(24, 15), kFaceColour);
  EXPECT_EQ(picture.At(24 + 553, 16), kFaceColour);
  EXPECT_EQ(picture.At(24, 16 + 481), kFaceColour);
}

TEST_F(ClientAreaTest, PanelSurfacesSitWhereTheFormPutsThem) {
  EXPECT_EQ(picture.At(592, 80), Rgb(0, 0, 200));
  EXPECT_EQ(picture.At(592 + 128, 80 + 96), Rgb(0, 0, 200));
  EXPECT_EQ(picture.At(592 + 129, 80), kFaceColour);
  EXPECT_EQ(picture.At(640, 216), Rgb(0, 200, 0));
  EXPECT_EQ(picture.At(640 + 88, 216 + 16), Rgb(0, 200, 0));
  EXPECT_EQ(picture.At(640, 272), Rgb(0, 100, 0));
}

TEST_F(ClientAreaTest, NumberBoxesAreSunken) {
  EXPECT_EQ(picture.At(592, 216), kGrey);              // shadow, top-left outside
  EXPECT_EQ(picture.At(592 + 40, 216 + 19), kWhite);   // highlight, bottom-right outside
  EXPECT_EQ(picture.At(593, 217), Rgb(0, 0, 0));       // dark inner edge
  EXPECT_EQ(picture.At(600, 226), kWhite);             // inside
  EXPECT_EQ(picture.At(592 + 41, 216), kFaceColour);
  EXPECT_EQ(picture.At(600, 336), kGrey);               // the stage caption box
  EXPECT_EQ(picture.At(600 + 112, 336 + 72), kWhite);
}

TEST_F(ClientAreaTest, LabelsAndTextsAreDrawnInTheFormsFont) {
  EXPECT_EQ(text.LastFace, kFormFont);
  // "Rest" at (592, 56): the fake font's first bar is at column 1, rows 1 on.
  EXPECT_EQ(picture.At(593, 57), Rgb(0, 0, 0));
  EXPECT_EQ(picture.At(592, 57), kFaceColour);
  // The caption "StageMemo", greyed, inside the box's edge.
  EXPECT_EQ(picture.At(600 + 2 + 1 + 1, 336 + 2 + 1), kGrey);
}

TEST_F(ClientAreaTest, ScoreTextIsClippedToItsBox) {
  g->ScoreBox = std::string(30, '9');
  ComposeClientArea(*g, picture);
  EXPECT_EQ(picture.At(592 + 41, 216 + 5), kFaceColour);
  EXPECT_EQ(picture.At(640, 216), Rgb(0, 200, 0));
}

TEST(PaletteTags, TaggedPixelsTakeTheCurrentDuoColours) {
  auto g = std::make_unique<Game>();
  SetUpGame(*g, 0);
  Surface s(4, 1);
  s.Set(0, 0, 0x16000000 | Rgb(1, 2, 3));  // index 22
  s.Set(1, 0, 0x1B000000);                 // index 27
  s.Set(2, 0, kMaskWhite);
  s.Set(3, 0, Rgb(9, 8, 7));
  g->DuoPalette[0].Blue = 200;
  ResolvePaletteTags(s, g->DuoPalette);
  EXPECT_EQ(s.At(0, 0), Rgb(0, 0, 200));
  EXPECT_EQ(s.At(1, 0), Rgb(55, 0, 0));
  EXPECT_EQ(s.At(2, 0), Rgb(255, 255, 255));
  EXPECT_EQ(s.At(3, 0), Rgb(9, 8, 7));
}

TEST(PaletteTags, OtherTagsAreDropped) {
  auto g = std::make_unique<Game>();
  Surface s(2, 1);
  s.Set(0, 0, 0x15000000 | Rgb(1, 2, 3));  // index 21: not adjustable
  s.Set(1, 0, 0x1C000000 | Rgb(4, 5, 6));  // index 28
  ResolvePaletteTags(s, g->DuoPalette);
  EXPECT_EQ(s.At(0, 0), Rgb(1, 2, 3));
  EXPECT_EQ(s.At(1, 0), Rgb(4, 5, 6));
}

TEST_F(ClientAreaTest, StageCaptionLinesWrapAtSpaces) {
  // The fake font is 4 pixels a character; the box holds 26 of them.
  g->StageCaption = {"STAGE 1", "AAAAAAAAAAAAAAAAAAAA BBBBBBBBBBBB"};
  ComposeClientArea(*g, picture);
  const int left = 600 + 2 + 1, top = 336 + 2;
  EXPECT_EQ(picture.At(left + 1, top + 1), kGrey);                       // "STAGE 1"
  EXPECT_EQ(picture.At(left + 1, top + 12 + 1), kGrey);                  // the A's
  EXPECT_EQ(picture.At(left + 20 * 4 + 1, top + 12 + 1), kWhite);        // no B after them
  EXPECT_EQ(picture.At(left + 1, top + 24 + 1), kGrey);                  // the B's below
  EXPECT_EQ(picture.At(left + 12 * 4 + 1, top + 24 + 1), kWhite);
}

TEST(PaletteTags, ResolvingIntoATextureMatchesResolvingInPlace) {
  auto g = std::make_unique<Game>();
  g->DuoPalette[2].Green = 77;
  Surface picture(3, 3);
  picture.Set(0, 0, Rgb(1, 2, 3));               // a row without tags
  picture.Set(1, 1, 0x18000000);                 // index 24
  picture.Set(2, 1, 0x15000000 | Rgb(4, 5, 6));  // index 21: dropped
  picture.Set(0, 2, Rgb(7, 8, 9));
  constexpr int kPitch = 5;
  std::vector<Pixel> texture(3 * kPitch, 0xABABABAB);
  ResolvePaletteTags(picture, g->DuoPalette, texture.data(), kPitch);

  Surface inPlace = picture;
  ResolvePaletteTags(inPlace, g->DuoPalette);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(texture[y * kPitch + x], inPlace.At(x, y)) << x << ',' << y;
    EXPECT_EQ(texture[y * kPitch + 3], 0xABABABABu) << "wrote past the row";
  }
  EXPECT_EQ(texture[kPitch + 1], Rgb(0, 77, 0));
  EXPECT_EQ(picture.At(1, 1), 0x18000000u) << "the picture keeps its tags";
}
