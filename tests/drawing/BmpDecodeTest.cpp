#include <gtest/gtest.h>

#include "drawing/BmpDecode.h"
#include "support/BmpBytes.h"

namespace {

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

TEST(BmpDecode, TurnsIndicesIntoTaggedPixels) {
  BmpImage image;
  std::string error;
  ASSERT_TRUE(DecodeBmp(SmallBmp(false), PaletteTags::DuoColours, image, error)) << error;
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

TEST(BmpDecode, PassesOnTheReason) {
  std::vector<unsigned char> bytes = SmallBmp(false);
  bytes[0] = 'P';
  BmpImage image;
  std::string error;
  EXPECT_FALSE(DecodeBmp(bytes, PaletteTags::None, image, error));
  EXPECT_EQ(error, "not a BMP file");
}
