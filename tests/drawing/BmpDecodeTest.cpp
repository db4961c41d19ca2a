#include <gtest/gtest.h>

#include "drawing/BmpDecode.h"

namespace {

void Put16(std::vector<unsigned char>& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<unsigned char>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// An 8-bit BMP of 3 x 2 pixels (rows padded to 4 bytes). Row 0 from the top
// holds indices 1, 22, 255; row 1 holds 27, 0, 1. Palette: 0 black, 1 red,
// 22 dark blue, 27 dark red, 255 white, everything else grey.
std::vector<unsigned char> SmallBmp(bool topDown, int bits = 8, int compression = 0, int colours = 256) {
  const int width = 3, height = 2, stride = 4;
  std::vector<unsigned char> rows[2] = {{1, 22, 255, 0}, {27, 0, 1, 0}};
  std::vector<unsigned char> b{'B', 'M'};
  const std::uint32_t offset = 14 + 40 + colours * 4;
  Put32(b, offset + stride * height);
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, width);
  Put32(b, static_cast<std::uint32_t>(topDown ? -height : height));
  Put16(b, 1);
  Put16(b, bits);
  Put32(b, compression);
  Put32(b, stride * height);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, colours == 256 ? 0 : colours);
  Put32(b, 0);
  for (int i = 0; i < colours; ++i) {
    int r = 128, g = 128, bl = 128;
    if (i == 0) r = g = bl = 0;
    if (i == 1) r = 255, g = 0, bl = 0;
    if (i == 22) r = 0, g = 0, bl = 60;
    if (i == 27) r = 55, g = 0, bl = 0;
    if (i == 255) r = g = bl = 255;
    b.insert(b.end(), {static_cast<unsigned char>(bl), static_cast<unsigned char>(g), static_cast<unsigned char>(r), 0});
  }
  for (int y = 0; y < height; ++y) {
    const auto& row = rows[topDown ? y : height - 1 - y];
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

void ExpectSmallPicture(const BmpImage& image, PaletteTags tags) {
  ASSERT_EQ(image.Picture.Width(), 3);
  ASSERT_EQ(image.Picture.Height(), 2);
  EXPECT_EQ(image.Picture.At(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(image.Picture.At(1, 0), Rgb(0, 0, 60) | (tags == PaletteTags::DuoColours ? 22u << 24 : 0u));
  EXPECT_EQ(image.Picture.At(2, 0), kMaskWhite);
  EXPECT_EQ(image.Picture.At(0, 1), Rgb(55, 0, 0) | (tags == PaletteTags::DuoColours ? 27u << 24 : 0u));
  EXPECT_EQ(image.Picture.At(1, 1), kBlack);
  EXPECT_EQ(image.Picture.At(2, 1), Rgb(255, 0, 0));
}

}  // namespace

TEST(BmpDecode, ReadsBottomUpRows) {
  BmpImage image;
  std::string error;
  ASSERT_TRUE(DecodeBmp(SmallBmp(false), PaletteTags::DuoColours, image, error)) << error;
  ExpectSmallPicture(image, PaletteTags::DuoColours);
}

TEST(BmpDecode, ReadsTopDownRows) {
  BmpImage image;
  std::string error;
  ASSERT_TRUE(DecodeBmp(SmallBmp(true), PaletteTags::DuoColours, image, error)) << error;
  ExpectSmallPicture(image, PaletteTags::DuoColours);
}

TEST(BmpDecode, TagsOnlyWhenAsked) {
  BmpImage image;
  std::string error;
  ASSERT_TRUE(DecodeBmp(SmallBmp(false), PaletteTags::None, image, error)) << error;
  ExpectSmallPicture(image, PaletteTags::None);
}

TEST(BmpDecode, KeepsThePalette) {
  BmpImage image;
  std::string error;
  ASSERT_TRUE(DecodeBmp(SmallBmp(false), PaletteTags::None, image, error));
  EXPECT_EQ(image.Palette[22].Blue, 60);
  EXPECT_EQ(image.Palette[27].Red, 55);
  EXPECT_EQ(image.Palette[255].Green, 255);
}

TEST(BmpDecode, RejectsATruncatedFile) {
  const std::vector<unsigned char> whole = SmallBmp(false);
  for (std::size_t cut : {whole.size() - 1, std::size_t{14 + 40 + 100}, std::size_t{30}, std::size_t{0}}) {
    BmpImage image;
    std::string error;
    EXPECT_FALSE(DecodeBmp({whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)}, PaletteTags::None,
                           image, error))
        << cut;
    EXPECT_FALSE(error.empty());
  }
}

TEST(BmpDecode, RejectsOtherDepths) {
  BmpImage image;
  std::string error;
  EXPECT_FALSE(DecodeBmp(SmallBmp(false, 24), PaletteTags::None, image, error));
  EXPECT_NE(error.find("24 bits"), std::string::npos) << error;
  EXPECT_FALSE(DecodeBmp(SmallBmp(false, 4), PaletteTags::None, image, error));
}

TEST(BmpDecode, RejectsCompressedFiles) {
  BmpImage image;
  std::string error;
  EXPECT_FALSE(DecodeBmp(SmallBmp(false, 8, 1), PaletteTags::None, image, error));
  EXPECT_NE(error.find("compressed"), std::string::npos);
}

TEST(BmpDecode, RejectsPixelsBeyondAShortPalette) {
  BmpImage image;
  std::string error;
  EXPECT_FALSE(DecodeBmp(SmallBmp(false, 8, 0, 16), PaletteTags::None, image, error));
  EXPECT_NE(error.find("beyond"), std::string::npos) << error;
}

TEST(BmpDecode, RejectsOtherFiles) {
  std::vector<unsigned char> bytes = SmallBmp(false);
  bytes[0] = 'P';
  BmpImage image;
  std::string error;
  EXPECT_FALSE(DecodeBmp(bytes, PaletteTags::None, image, error));
  EXPECT_EQ(error, "not a BMP file");
}
