#pragma once

#include <cstdint>
#include <vector>

// Pixels are 0xTTRRGGBB. The top byte is a palette tag: pixels that came from
// the two-player sheet's adjustable colours (palette indices 22..27) carry
// that index, so a brightness change recolours them when the picture is
// presented. Masks use 0xFF in the tag byte for white so that AND keeps tags.
using Pixel = std::uint32_t;

constexpr Pixel kBlack = 0x00000000;
constexpr Pixel kMaskWhite = 0xFFFFFFFF;

// Colour numbers are written 0x00BBGGRR, as the game's tables give them.
constexpr Pixel FromColorRef(std::uint32_t bgr) {
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

constexpr Pixel Rgb(int r, int g, int b) {
  return (static_cast<Pixel>(r & 0xFF) << 16) | (static_cast<Pixel>(g & 0xFF) << 8) |
         static_cast<Pixel>(b & 0xFF);
}

enum class RasterOp { Copy, And, Or };

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Pixel fill = kBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  Pixel At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void Set(int x, int y, Pixel p) { pixels_[static_cast<std::size_t>(y) * width_ + x] = p; }
  const Pixel* Row(int y) const { return &pixels_[static_cast<std::size_t>(y) * width_]; }
  Pixel* Row(int y) { return &pixels_[static_cast<std::size_t>(y) * width_]; }
  const std::vector<Pixel>& Pixels() const { return pixels_; }

  // Fills x0 <= x < x1, y0 <= y < y1, clipped to the surface.
  void Fill(int x0, int y0, int x1, int y1, Pixel color);
  // The whole surface but its last column and row, as the game's full fills do.
  void FillWhole(Pixel color) { Fill(0, 0, width_ - 1, height_ - 1, color); }

  // Combines the w x h block of src at (sx, sy) into this surface at (dx, dy),
  // clipped against both surfaces.
  void Blit(const Surface& src, int sx, int sy, int w, int h, int dx, int dy,
            RasterOp op = RasterOp::Copy);
  // Whole-source shorthand.
  void Blit(const Surface& src, int dx, int dy, RasterOp op = RasterOp::Copy) {
    Blit(src, 0, 0, src.width_, src.height_, dx, dy, op);
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};
