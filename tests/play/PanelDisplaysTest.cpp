#include <gtest/gtest.h>

#include "drawing/ShowLives.h"
#include "drawing/ShowScore.h"
#include "play/PlayFixture.h"

using playtest::PlayFixture;
using playtest::SheetColor;

namespace {

int IconsShown(const Game& g) {
  int n = 0;
  for (int y = 12; y < 97; y += 24)
    for (int x = 12; x < 129; x += 24) n += g.LivesImage.At(x, y) == SheetColor(1, 192, 128);
  return n;
}

int BarLength(const Surface& s) {
  int n = 0;
  while (n < s.Width() && s.At(n, 8) != kBlack) ++n;
  return n;
}

}  // namespace

TEST(ShowLives, ShowsTheSpareLivesFiveToARow) {
  PlayFixture f;
  const int shown[][2] = {{3, 2}, {1, 0}, {0, 0}, {-3, 0}, {6, 5}, {7, 6}, {21, 20}, {25, 20}};
  for (const auto& [lives, icons] : shown) {
    f->Lives = lives;
    ShowLives(*f);
    EXPECT_EQ(IconsShown(*f), icons) << "lives " << lives;
  }
  f->Lives = 7;
  ShowLives(*f);
  EXPECT_EQ(f->LivesImage.At(12, 36), SheetColor(1, 192, 128));
  EXPECT_EQ(f->LivesImage.At(126, 12), kBlack);
}

TEST(ShowScore, DrawsBarsOfAFullLengthAt15000AndRaisesTheHighScore) {
  PlayFixture f;
  f->Score = 7500;
  f->HiScore = 3000;
  ShowScore(*f);
  EXPECT_EQ(f->ScoreBox, "7500");
  EXPECT_EQ(f->HiScoreBox, "7500");
  EXPECT_EQ(f->HiScore, 7500);
  EXPECT_EQ(BarLength(f->ScoreBar), 44);
  EXPECT_EQ(f->ScoreBar.At(0, 8), FromColorRef(0xFF0000));
  EXPECT_EQ(f->HiScoreBar.At(0, 8), FromColorRef(0x0000FF));
  EXPECT_EQ(f->ScoreBar.At(0, 16), kBlack);  // the fill leaves the last row

  f->Score = 100;
  ShowScore(*f);
  EXPECT_EQ(f->HiScore, 7500);
  EXPECT_EQ(f->HiScoreBox, "7500");
  EXPECT_EQ(BarLength(f->ScoreBar), 0);
  EXPECT_EQ(BarLength(f->HiScoreBar), 44);

  f->Score = 40000;
  ShowScore(*f);
  EXPECT_EQ(BarLength(f->ScoreBar), 89);
}
