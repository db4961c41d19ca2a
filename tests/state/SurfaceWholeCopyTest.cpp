#include <gtest/gtest.h>

#include <random>

#include "state/Surface.h"

namespace {

// The play field's size: not a whole number of tiles either way.
constexpr int kW = 553, kH = 481;

TEST(SurfaceWholeCopyTest, ChangesOnEitherSideSinceTheLastCopyAreCopied) {
  Surface src(kW, kH, 0x111111), dst(kW, kH);
  dst.Blit(src, 0, 0);
  src.Fill(40, 40, 45, 45, 0x222222);  // the source changed
  dst.Set(500, 470, 0x333333);         // the copy was drawn on
  dst.Blit(src, 0, 0);
  EXPECT_EQ(dst.Pixels(), src.Pixels());
}

TEST(SurfaceWholeCopyTest, TheLastPartialTilesAreCopied) {
  Surface src(kW, kH), dst(kW, kH);
  dst.Blit(src, 0, 0);
  src.Set(kW - 1, kH - 1, 0x0000FF);
  dst.Blit(src, 0, 0);
  EXPECT_EQ(dst.At(kW - 1, kH - 1), 0x0000FFu);
}

TEST(SurfaceWholeCopyTest, AnotherSourceOrAReplacedSourceIsCopiedWhole) {
  Surface a(kW, kH, 0xA), b(kW, kH, 0xB), dst(kW, kH);
  dst.Blit(a, 0, 0);
  dst.Blit(b, 0, 0);
  EXPECT_EQ(dst.Pixels(), b.Pixels());
  dst.Blit(a, 0, 0);
  EXPECT_EQ(dst.Pixels(), a.Pixels());
  a = Surface(kW, kH, 0xC);
  dst.Blit(a, 0, 0);
  EXPECT_EQ(dst.Pixels(), a.Pixels());
  a = b;
  dst.Blit(a, 0, 0);
  EXPECT_EQ(dst.Pixels(), b.Pixels());
}

TEST(SurfaceWholeCopyTest, ARowWrittenThroughItsPointerCounts) {
  Surface src(kW, kH), dst(kW, kH);
  dst.Blit(src, 0, 0);
  src.Row(300)[400] = 0x00FF00;
  dst.Blit(src, 0, 0);
  EXPECT_EQ(dst.At(400, 300), 0x00FF00u);
}

// The play field's own chain, field -> buffer -> screen, with random drawing
// on all three between copies: every copy must match its source exactly.
TEST(SurfaceWholeCopyTest, RandomDrawingOnAChainOfCopies) {
  std::mt19937 random(5);
  auto any = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  Surface sprite(24, 24, 0xABCDEF);
  Surface field(kW, kH), buffer(kW, kH), screen(kW, kH);
  for (int frame = 0; frame < 300; ++frame) {
    for (Surface* s : {&field, &buffer, &screen}) {
      switch (any(4)) {
        case 0: s->Fill(any(kW), any(kH), any(kW + 40), any(kH + 40), static_cast<Pixel>(random())); break;
        case 1: s->Set(any(kW), any(kH), static_cast<Pixel>(random())); break;
        case 2: s->Blit(sprite, any(kW) - 12, any(kH) - 12, RasterOp::Or); break;
        default: break;
      }
    }
    buffer.Blit(field, 0, 0);
    ASSERT_EQ(buffer.Pixels(), field.Pixels()) << "frame " << frame;
    buffer.Blit(sprite, any(kW), any(kH));
    screen.Blit(buffer, 0, 0);
    ASSERT_EQ(screen.Pixels(), buffer.Pixels()) << "frame " << frame;
  }
}

}  // namespace

namespace {

TEST(SurfaceFillTest, AReversedRectangleFillsNothing) {
  Surface s(8, 8, kBlack);
  s.Fill(6, 2, 3, 5, 0xFFFFFF);
  s.Fill(2, 6, 5, 3, 0xFFFFFF);
  EXPECT_EQ(s.Pixels(), Surface(8, 8, kBlack).Pixels());
}

}  // namespace
