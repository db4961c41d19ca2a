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

// A picture the game draws into. It remembers which 32 x 32 tiles each
// drawing touched, so copying a whole surface onto one that last took a whole
// copy of the same source moves only the tiles either side changed since:
// the play field is copied twice a frame but changes in a few places.
class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Pixel fill = kBlack);
  Surface(const Surface& other);
  Surface& operator=(const Surface& other);
  Surface(Surface&& other) noexcept;
  Surface& operator=(Surface&& other) noexcept;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  Pixel At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  void Set(int x, int y, Pixel p) {
    pixels_[static_cast<std::size_t>(y) * width_ + x] = p;
    stamps_[static_cast<std::size_t>(y >> kTileShift) * tilesX_ + (x >> kTileShift)] = ++version_;
  }
  const Pixel* Row(int y) const { return &pixels_[static_cast<std::size_t>(y) * width_]; }
  // For writing: the whole row counts as changed.
  Pixel* Row(int y) {
    Touch(0, y, width_, y + 1);
    return RowData(y);
  }
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
  static constexpr int kTileShift = 5;

  Pixel* RowData(int y) { return &pixels_[static_cast<std::size_t>(y) * width_]; }
  // Marks the tiles over x0 <= x < x1, y0 <= y < y1 (already clipped) changed.
  void Touch(int x0, int y0, int x1, int y1);
  // A whole copy of src onto this same-sized surface.
  void CopyWhole(const Surface& src);
  void TakeNewIdentity();

  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
  // Tiles: the version of this surface that last changed each one.
  int tilesX_ = 0;
  std::vector<std::uint64_t> stamps_;
  std::uint64_t version_ = 0;
  std::uint64_t id_ = 0;
  // The source of the last whole copy onto this surface, and both versions
  // just after it.
  std::uint64_t copiedFrom_ = 0;
  std::uint64_t copiedFromVersion_ = 0;
  std::uint64_t versionAfterCopy_ = 0;
};
