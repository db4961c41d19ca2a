#include <gtest/gtest.h>

#include "state/Surface.h"

namespace {

constexpr Pixel kA = Rgb(10, 20, 30);
constexpr Pixel kB = Rgb(200, 100, 50);

// A small picture whose every pixel is different.
Surface Numbered(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s.Set(x, y, static_cast<Pixel>(y * 100 + x + 1));
  }
  return s;
}

}  // namespace

TEST(Surface, FillLeavesRightColumnAndBottomRowOut) {
  Surface s(5, 4, kA);
  s.Fill(1, 1, 3, 3, kB);
  EXPECT_EQ(s.At(1, 1), kB);
  EXPECT_EQ(s.At(2, 2), kB);
  EXPECT_EQ(s.At(3, 2), kA);
  EXPECT_EQ(s.At(2, 3), kA);
  EXPECT_EQ(s.At(0, 0), kA);
}

TEST(Surface, FillWholeSparesTheLastColumnAndRow) {
  Surface s(4, 3, kA);
  s.FillWhole(kB);
  EXPECT_EQ(s.At(2, 1), kB);
  EXPECT_EQ(s.At(3, 1), kA);
  EXPECT_EQ(s.At(2, 2), kA);
}

TEST(Surface, FillIsClippedToTheSurface) {
  Surface s(3, 3, kA);
  s.Fill(-5, -5, 100, 2, kB);
  EXPECT_EQ(s.At(0, 0), kB);
  EXPECT_EQ(s.At(2, 1), kB);
  EXPECT_EQ(s.At(2, 2), kA);
}

TEST(Surface, BlitCopiesTheSourceBlock) {
  const Surface src = Numbered(4, 4);
  Surface dst(6, 6, kA);
  dst.Blit(src, 1, 2, 2, 2, 3, 0);
  EXPECT_EQ(dst.At(3, 0), src.At(1, 2));
  EXPECT_EQ(dst.At(4, 1), src.At(2, 3));
  EXPECT_EQ(dst.At(2, 0), kA);
  EXPECT_EQ(dst.At(5, 0), kA);
  EXPECT_EQ(dst.At(3, 2), kA);
}

TEST(Surface, BlitIsClippedAtTheDestinationsEdges) {
  const Surface src = Numbered(4, 4);
  Surface dst(3, 3, kA);
  dst.Blit(src, -2, -1);
  EXPECT_EQ(dst.At(0, 0), src.At(2, 1));
  EXPECT_EQ(dst.At(1, 2), src.At(3, 3));
  EXPECT_EQ(dst.At(2, 2), kA);
  dst.Blit(src, 2, 2);
  EXPECT_EQ(dst.At(2, 2), src.At(0, 0));
}

TEST(Surface, BlitIsClippedAtTheSourcesEdges) {
  const Surface src = Numbered(3, 3);
  Surface dst(6, 6, kA);
  // The block asked for runs past the source's right and bottom edges and
  // starts before its left edge.
  dst.Blit(src, -1, 1, 10, 10, 0, 0);
  EXPECT_EQ(dst.At(0, 0), kA);  // source column -1 does not exist
  EXPECT_EQ(dst.At(1, 0), src.At(0, 1));
  EXPECT_EQ(dst.At(3, 1), src.At(2, 2));
  EXPECT_EQ(dst.At(4, 1), kA);
  EXPECT_EQ(dst.At(1, 2), kA);
}

TEST(Surface, AndThenOrDrawsASpriteOverABackground) {
  Surface mask(2, 1);
  mask.Set(0, 0, kBlack);       // shape
  mask.Set(1, 0, kMaskWhite);   // around it
  Surface picture(2, 1);
  picture.Set(0, 0, kB);
  picture.Set(1, 0, kBlack);
  Surface dst(2, 1, kA | 0x17000000);  // a tagged background survives the AND
  dst.Blit(mask, 0, 0, RasterOp::And);
  dst.Blit(picture, 0, 0, RasterOp::Or);
  EXPECT_EQ(dst.At(0, 0), kB);
  EXPECT_EQ(dst.At(1, 0), kA | 0x17000000);
}

TEST(Surface, OrCombinesBits) {
  Surface src(1, 1, 0x00F000F0);
  Surface dst(1, 1, 0x000F0F00);
  dst.Blit(src, 0, 0, RasterOp::Or);
  EXPECT_EQ(dst.At(0, 0), 0x00FF0FF0u);
  dst.Blit(Surface(1, 1, 0x00FFFF00), 0, 0, RasterOp::And);
  EXPECT_EQ(dst.At(0, 0), 0x00FF0F00u);
}
