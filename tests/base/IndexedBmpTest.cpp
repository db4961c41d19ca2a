#include <gtest/gtest.h>

#include "base/IndexedBmp.h"
#include "support/BmpBytes.h"

namespace {

void ExpectSmallIndices(const IndexedImage& image) {
  ASSERT_EQ(image.Width, 3);
  ASSERT_EQ(image.Height, 2);
  EXPECT_EQ(image.Indices, (std::vector<std::uint8_t>{1, 22, 255, 27, 0, 1}));
}

}  // namespace

TEST(IndexedBmp, ReadsBottomUpRows) {
  IndexedImage image;
  std::string error;
  ASSERT_TRUE(DecodeIndexedBmp(SmallBmp(false), image, error)) << error;
  ExpectSmallIndices(image);
}

TEST(IndexedBmp, ReadsTopDownRows) {
  IndexedImage image;
  std::string error;
  ASSERT_TRUE(DecodeIndexedBmp(SmallBmp(true), image, error)) << error;
  ExpectSmallIndices(image);
}

TEST(IndexedBmp, ReadsThePaletteAsRedGreenBlue) {
  IndexedImage image;
  std::string error;
  ASSERT_TRUE(DecodeIndexedBmp(SmallBmp(false), image, error));
  EXPECT_EQ(image.Palette[22].Blue, 60);
  EXPECT_EQ(image.Palette[27].Red, 55);
  EXPECT_EQ(image.Palette[255].Green, 255);
}

TEST(IndexedBmp, EntriesPastAShortPaletteAreBlack) {
  std::vector<std::uint8_t> bytes = SmallBmp(false, 8, 0, 16);
  // The indices beyond the 16 colours (27 below, 22 and 255 above) become 2.
  for (std::size_t fromEnd : {8, 3, 2}) bytes[bytes.size() - fromEnd] = 2;
  IndexedImage image;
  std::string error;
  ASSERT_TRUE(DecodeIndexedBmp(bytes, image, error)) << error;
  EXPECT_EQ(image.Palette[2].Red, 128);
  EXPECT_EQ(image.Palette[16].Red, 0);
  EXPECT_EQ(image.Palette[16].Green, 0);
}

TEST(IndexedBmp, RejectsATruncatedFile) {
  const std::vector<std::uint8_t> whole = SmallBmp(false);
  for (std::size_t cut : {whole.size() - 1, std::size_t{14 + 40 + 100}, std::size_t{30}, std::size_t{0}}) {
    IndexedImage image;
    std::string error;
    EXPECT_FALSE(DecodeIndexedBmp(std::span(whole).first(cut), image, error)) << cut;
    EXPECT_FALSE(error.empty());
  }
}

TEST(IndexedBmp, RejectsOtherDepths) {
  IndexedImage image;
  std::string error;
  EXPECT_FALSE(DecodeIndexedBmp(SmallBmp(false, 24), image, error));
  EXPECT_EQ(error, "BMP has 24 bits per pixel, expected 8");
  EXPECT_FALSE(DecodeIndexedBmp(SmallBmp(false, 4), image, error));
}

TEST(IndexedBmp, RejectsCompressedFiles) {
  IndexedImage image;
  std::string error;
  EXPECT_FALSE(DecodeIndexedBmp(SmallBmp(false, 8, 1), image, error));
  EXPECT_EQ(error, "BMP is compressed, expected uncompressed");
}

TEST(IndexedBmp, RejectsPixelsBeyondAShortPalette) {
  IndexedImage image;
  std::string error;
  EXPECT_FALSE(DecodeIndexedBmp(SmallBmp(false, 8, 0, 16), image, error));
  EXPECT_EQ(error, "BMP pixel uses colour 22 beyond its palette");
}

TEST(IndexedBmp, RejectsOtherFiles) {
  std::vector<std::uint8_t> bytes = SmallBmp(false);
  bytes[0] = 'P';
  IndexedImage image;
  std::string error;
  EXPECT_FALSE(DecodeIndexedBmp(bytes, image, error));
  EXPECT_EQ(error, "not a BMP file");
}
