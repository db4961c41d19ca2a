#include <gtest/gtest.h>

#include <set>
#include <string>

#include "assets/AssetFiles.h"
#include "assets/SheetCells.h"
#include "drawing/BmpDecode.h"

using namespace asset_files;
using namespace sheet_cells;

namespace {

constexpr int kCell = 24;

bool InCells(int x, int y, const std::vector<Cell>& cells) {
  for (const Cell& c : cells)
    if (x >= c.x && x < c.x + kCell && y >= c.y && y < c.y + kCell) return true;
  return false;
}

std::set<int> IndicesIn(const Bitmap& bmp, Cell c) {
  std::set<int> used;
  for (int y = c.y; y < c.y + kCell; ++y)
    for (int x = c.x; x < c.x + kCell; ++x) used.insert(bmp.At(x, y));
  return used;
}

}  // namespace

TEST(SheetPalette, SheetsAre320By256With256Colours) {
  for (const char* name : {"ChrImage.bmp", "Chr2Image.bmp"}) {
    const Bitmap bmp = ReadBitmap(name);
    EXPECT_EQ(bmp.width, 320) << name;
    EXPECT_EQ(bmp.height, 256) << name;
    EXPECT_EQ(bmp.bitsPerPixel, 8) << name;
    EXPECT_EQ(bmp.paletteSize, 256) << name;
  }
}

TEST(SheetPalette, TwoPlayerTintsHoldTheStartingBrightness) {
  const Bitmap bmp = ReadBitmap("Chr2Image.bmp");
  const Colour expected[6] = {{0, 0, 60}, {0, 0, 75}, {0, 0, 90}, {35, 0, 0}, {45, 0, 0}, {55, 0, 0}};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(bmp.palette[22 + i], expected[i]) << "palette entry " << 22 + i;
}

TEST(SheetPalette, OnlyTheTintedTilesUseEntries22To27) {
  const Bitmap bmp = ReadBitmap("Chr2Image.bmp");
  const auto blue = BlueTintedCells(), red = RedTintedCells();
  for (int y = 0; y < bmp.height; ++y)
    for (int x = 0; x < bmp.width; ++x) {
      const int i = bmp.At(x, y);
      if (i >= 22 && i <= 24) {
        ASSERT_TRUE(InCells(x, y, blue)) << "blue tint at " << x << "," << y;
      }
      if (i >= 25 && i <= 27) {
        ASSERT_TRUE(InCells(x, y, red)) << "red tint at " << x << "," << y;
      }
    }
}

TEST(SheetPalette, TintedTilesAreDrawnInTintsAndBlackOnly) {
  const Bitmap bmp = ReadBitmap("Chr2Image.bmp");
  auto check = [&](const std::vector<Cell>& cells, int first) {
    for (const Cell& c : cells) {
      const auto used = IndicesIn(bmp, c);
      int tints = 0;
      for (int i : used) {
        EXPECT_TRUE(i == 0 || (i >= first && i <= first + 2)) << "entry " << i << " in " << c.x << "," << c.y;
        tints += i >= first && i <= first + 2;
      }
      EXPECT_GE(tints, 1) << "cell " << c.x << "," << c.y << " has no tinted pixel";
    }
  };
  check(BlueTintedCells(), 22);
  check(RedTintedCells(), 25);
  EXPECT_EQ(bmp.palette[0], (Colour{0, 0, 0}));
}

TEST(SheetPalette, OtherPicturesNeverUseTheTintEntries) {
  for (const char* name : {"ChrImage.bmp", "TitleImage.bmp"}) {
    const Bitmap bmp = ReadBitmap(name);
    for (std::uint8_t i : bmp.index) ASSERT_FALSE(i >= 22 && i <= 27) << name << " uses entry " << int(i);
  }
}

TEST(SheetPalette, TheGameTagsTintedPixelsOnlyInTintedCells) {
  const auto bytes = ReadBytes("Chr2Image.bmp");
  BmpImage image;
  std::string error;
  ASSERT_TRUE(DecodeBmp(bytes, PaletteTags::DuoColours, image, error)) << error;
  const auto blue = BlueTintedCells(), red = RedTintedCells();
  int tagged = 0;
  for (int y = 0; y < image.Picture.Height(); ++y)
    for (int x = 0; x < image.Picture.Width(); ++x) {
      const Pixel p = image.Picture.At(x, y);
      const unsigned tag = p >> 24;
      if (tag >= 22 && tag <= 27) {
        ++tagged;
        ASSERT_TRUE(InCells(x, y, tag <= 24 ? blue : red)) << "tag " << tag << " at " << x << "," << y;
      }
    }
  EXPECT_GT(tagged, 18 * 100);
}
