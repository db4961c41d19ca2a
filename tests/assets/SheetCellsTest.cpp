#include <gtest/gtest.h>

#include "assets/AssetFiles.h"
#include "assets/SheetCells.h"

using namespace asset_files;
using namespace sheet_cells;

namespace {

constexpr int kCell = 24;
const Colour kBlack{0, 0, 0};
const Colour kWhite{255, 255, 255};

int CountNotBlack(const Bitmap& bmp, Cell c) {
  int n = 0;
  for (int y = c.y; y < c.y + kCell; ++y)
    for (int x = c.x; x < c.x + kCell; ++x) n += !(bmp.ColourAt(x, y) == kBlack);
  return n;
}

bool SameCell(const Bitmap& bmp, Cell a, Cell b) {
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x)
      if (bmp.At(a.x + x, a.y + y) != bmp.At(b.x + x, b.y + y)) return false;
  return true;
}

// Mean colour of the cell's non-black pixels.
Colour MeanColour(const Bitmap& bmp, Cell c) {
  long r = 0, g = 0, b = 0, n = 0;
  for (int y = c.y; y < c.y + kCell; ++y)
    for (int x = c.x; x < c.x + kCell; ++x) {
      const Colour p = bmp.ColourAt(x, y);
      if (p == kBlack) continue;
      r += p.r;
      g += p.g;
      b += p.b;
      ++n;
    }
  if (!n) return kBlack;
  return {std::uint8_t(r / n), std::uint8_t(g / n), std::uint8_t(b / n)};
}

class OnePlayerSheet : public ::testing::Test {
 protected:
  Bitmap sheet = ReadBitmap("ChrImage.bmp");
};

}  // namespace

TEST_F(OnePlayerSheet, EveryMaskIsPureBlackOnPureWhite) {
  for (const auto& pair : OnePlayerSprites()) {
    int black = 0;
    for (int y = 0; y < kCell; ++y)
      for (int x = 0; x < kCell; ++x) {
        const Colour m = sheet.ColourAt(pair.mask.x + x, pair.mask.y + y);
        ASSERT_TRUE(m == kBlack || m == kWhite) << "mask " << pair.mask.x << "," << pair.mask.y;
        black += m == kBlack;
      }
    EXPECT_GT(black, 30) << "mask " << pair.mask.x << "," << pair.mask.y << " is nearly empty";
  }
}

TEST_F(OnePlayerSheet, EveryPictureLiesInsideItsMask) {
  for (const auto& pair : OnePlayerSprites()) {
    int drawn = 0;
    for (int y = 0; y < kCell; ++y)
      for (int x = 0; x < kCell; ++x) {
        const Colour p = sheet.ColourAt(pair.picture.x + x, pair.picture.y + y);
        if (p == kBlack) continue;
        ++drawn;
        ASSERT_EQ(sheet.ColourAt(pair.mask.x + x, pair.mask.y + y), kBlack)
            << "picture " << pair.picture.x << "," << pair.picture.y << " pixel " << x << "," << y
            << " falls outside its mask";
      }
    EXPECT_GT(drawn, 30) << "picture " << pair.picture.x << "," << pair.picture.y << " is nearly empty";
  }
}

TEST_F(OnePlayerSheet, OrOnlyPicturesAndTilesAreDrawn) {
  for (Cell c : OnePlayerOrOnly()) EXPECT_GT(CountNotBlack(sheet, c), 30) << c.x << "," << c.y;
  for (Cell c : OnePlayerTiles()) EXPECT_GT(CountNotBlack(sheet, c), 100) << c.x << "," << c.y;
}

TEST_F(OnePlayerSheet, TheHiddenStageTileIsAllBlack) { EXPECT_EQ(CountNotBlack(sheet, {288, 0}), 0); }

TEST_F(OnePlayerSheet, AnimationFramesDiffer) {
  const std::pair<Cell, Cell> frames[] = {
      {{128, 0}, {160, 0}},      // item
      {{0, 64}, {32, 64}},       // hero walking right
      {{32, 64}, {64, 64}},      //
      {{0, 64}, {96, 64}},       // facing right and left
      {{256, 64}, {288, 64}},    // climbing
      {{0, 128}, {32, 128}},     // ghost walking left
      {{0, 128}, {64, 128}},     // ghost facing left and right
      {{128, 128}, {160, 128}},  // ghost climbing
      {{192, 128}, {224, 128}},  // tumbling up
      {{256, 128}, {288, 128}},  // tumbling down
      {{0, 192}, {32, 192}},     // creature
      {{96, 224}, {128, 224}},   // car facing left and right
      {{160, 224}, {192, 224}},  // car on the two ramps
      {{192, 224}, {256, 224}},  // car up and down one ramp
  };
  for (const auto& [a, b] : frames)
    EXPECT_FALSE(SameCell(sheet, a, b)) << a.x << "," << a.y << " and " << b.x << "," << b.y;
}

TEST_F(OnePlayerSheet, CharactersHaveTheirColours) {
  const Colour hero = MeanColour(sheet, {32, 64});
  EXPECT_GT(hero.r + hero.g + hero.b, 3 * 200) << "the hero is white";
  const Colour ghost = MeanColour(sheet, {0, 128});
  EXPECT_GT(ghost.b, ghost.r + 60) << "the ghost is cyan";
  EXPECT_GT(ghost.g, ghost.r + 60);
  const Colour creature = MeanColour(sheet, {0, 192});
  EXPECT_GT(creature.g, creature.r + 40) << "the creature is green";
  EXPECT_GT(creature.g, creature.b + 40);
  const Colour spark = MeanColour(sheet, {64, 192});
  EXPECT_GT(spark.r + spark.g, 2 * spark.b + 150) << "the spark is yellow";
  const Colour car = MeanColour(sheet, {128, 224});
  EXPECT_GT(car.r, car.g + 60) << "the car is red";
  const Colour lift = MeanColour(sheet, {288, 192});
  EXPECT_GT(lift.r, lift.g + 80) << "the lift is red";
}

TEST(TwoPlayerSheet, ItemsShowWhoStillNeedsThem) {
  const Bitmap sheet = ReadBitmap("Chr2Image.bmp");
  for (int x : {96, 128}) {
    const Colour fresh = MeanColour(sheet, {x, 64});
    EXPECT_GT(fresh.r, fresh.g + 80) << "magenta item";
    EXPECT_GT(fresh.b, fresh.g + 80) << "magenta item";
    const Colour red = MeanColour(sheet, {x, 96});
    EXPECT_GT(red.r, red.b + 80) << "red item";
    const Colour blue = MeanColour(sheet, {x, 128});
    EXPECT_GT(blue.b, blue.r + 80) << "blue item";
  }
  EXPECT_FALSE(SameCell(sheet, {96, 64}, {128, 64}));
}

TEST(TwoPlayerSheet, FullColourTilesAreDrawn) {
  const Bitmap sheet = ReadBitmap("Chr2Image.bmp");
  for (int x = 0; x <= 256; x += 32) EXPECT_GT(CountNotBlack(sheet, {x, 64}), 100) << x << ",64";
}
