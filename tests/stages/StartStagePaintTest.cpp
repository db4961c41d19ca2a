#include <gtest/gtest.h>

#include "stages/PaintStage.h"
#include "stages/StageFixture.h"

using playtest::StageFixture;
using playtest::SheetColor;

namespace {

Pixel Solo(int x, int y) { return SheetColor(1, x, y); }
Pixel Duo(int x, int y) { return SheetColor(2, x, y); }

Pixel CellColor(const Surface& s, int column, int row) { return s.At(24 * column + 12, 24 * row + 12); }

}  // namespace

TEST(ItemPass, ListsItemsColumnByColumnUpperFirstWithRandomPhases) {
  StageFixture f;
  f->MapData[1][5] = Tile::Item;
  f->MapData[1][2] = Tile::Item;
  f->MapData[0][10] = Tile::Item;
  const std::vector<i32> phases = f.NextDraws({2, 2, 2});
  ListItemsAndPaint(*f);
  ASSERT_EQ(f->ItemCount, 3);
  const int xs[] = {0, 24, 24};
  const int ys[] = {240, 48, 120};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(f->ItemX[k], xs[k]);
    EXPECT_EQ(f->ItemY[k], ys[k]);
    EXPECT_EQ(f->ItemPhase[k], 4 * phases[k]);
  }
  EXPECT_EQ(f->MapData[1][5], Tile::Empty);
  EXPECT_EQ(f->MapData[1][2], Tile::Empty);
  EXPECT_EQ(f->MapData[0][10], Tile::Empty);
}

TEST(ItemPass, CountsAtMost99ItemsAndClearsEveryItemCell) {
  StageFixture f;
  for (int c = 0; c <= 22; ++c)
    for (int r = 0; r < 5; ++r) f->MapData[c][r] = Tile::Item;  // 115 item cells
  ListItemsAndPaint(*f);
  EXPECT_EQ(f->ItemCount, 99);
  EXPECT_EQ(f->ItemX[99], 22 * 24);  // the last item cell overwrote the spare slot
  EXPECT_EQ(f->ItemY[99], 4 * 24);
  EXPECT_EQ(f->ItemX[100], 0);
  for (int c = 0; c <= 22; ++c)
    for (int r = 0; r < 5; ++r) EXPECT_EQ(f->MapData[c][r], Tile::Empty);
}

TEST(Painting, OnePlayerHasTheWholeStageHiddenAndOnlyTheSpikesInSight) {
  StageFixture f;
  f.Draw(0, {"#H^*/\\fgTB."});
  constexpr Tile kNoSuchTile = static_cast<Tile>(5);  // a code no tile has
  f->MapData[11][0] = kNoSuchTile;
  f->MapData[3][20] = Tile::Wall;
  f.text.Lines.clear();
  ListItemsAndPaint(*f);
  const Pixel hidden[] = {Solo(32, 0),    Solo(0, 0),     Solo(160, 160), kBlack,
                          Solo(224, 160), Solo(256, 160), Solo(224, 160), Solo(256, 160),
                          Duo(224, 0),    Duo(224, 0),    kBlack,         kBlack};
  for (int c = 0; c < 12; ++c) {
    EXPECT_EQ(CellColor(f->StageImage, c, 0), hidden[c]) << "column " << c;
    EXPECT_EQ(CellColor(f->UncoveredImage, c, 0), c == 2 ? Solo(160, 160) : kBlack) << "column " << c;
  }
  EXPECT_EQ(f->StageImage.At(3 * 24, 480), Solo(32, 0));  // row 20 shows its top line
}

TEST(Painting, TwoPlayersGetABlueAndARedStageAndABlackView) {
  StageFixture f;
  f->PlayMode = PlayMode::TwoPlayer;
  f.Draw(0, {"#H^*/\\T"});
  f->UncoveredImage.FillWhole(Rgb(1, 2, 3));
  ListItemsAndPaint(*f);
  const int xs[] = {32, 0, 0, 64, 160, 192, 64};
  const int ys[] = {0, 0, 96, 0, 0, 0, 0};
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(CellColor(f->RacerOneStageImage, c, 0), Duo(xs[c], ys[c])) << "column " << c;
    EXPECT_EQ(CellColor(f->RacerTwoStageImage, c, 0), Duo(xs[c], ys[c] + 32)) << "column " << c;
    EXPECT_EQ(CellColor(f->UncoveredImage, c, 0), kBlack);
  }
  EXPECT_EQ(CellColor(f->StageImage, 0, 0), kBlack);
}

TEST(Painting, TheTwoPlayerFirstViewIsACheckerboardOfFiveCellSquares) {
  StageFixture f;
  f->PlayMode = PlayMode::TwoPlayer;
  f->RacerOneStageImage.FillWhole(Rgb(0, 0, 60));
  f->RacerTwoStageImage.FillWhole(Rgb(35, 0, 0));
  PaintDuoCheckerboard(*f);
  EXPECT_EQ(CellColor(f->UncoveredImage, 1, 0), Rgb(0, 0, 60));
  EXPECT_EQ(CellColor(f->UncoveredImage, 2, 0), Rgb(35, 0, 0));
  EXPECT_EQ(CellColor(f->UncoveredImage, 2, 5), Rgb(0, 0, 60));
  EXPECT_EQ(CellColor(f->UncoveredImage, 7, 5), Rgb(35, 0, 0));
  EXPECT_EQ(CellColor(f->UncoveredImage, 22, 19), Rgb(0, 0, 60));
  EXPECT_EQ(CellColor(f->UncoveredImage, 21, 19), Rgb(35, 0, 0));
  EXPECT_EQ(f->UncoveredImage.At(12, 480), kBlack);  // row 20 stays as it was
}
