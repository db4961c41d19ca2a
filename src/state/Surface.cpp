#include "state/Surface.h"

#include <algorithm>
#include <atomic>

namespace {

std::uint64_t NewSurfaceId() {
  static std::atomic<std::uint64_t> next{1};
  return next.fetch_add(1, std::memory_order_relaxed);
}

int Tiles(int pixels, int shift) { return (pixels + (1 << shift) - 1) >> shift; }

}  // namespace

Surface::Surface(int width, int height, Pixel fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill),
      tilesX_(Tiles(width, kTileShift)),
      stamps_(static_cast<std::size_t>(tilesX_) * Tiles(height, kTileShift), 0),
      id_(NewSurfaceId()) {}

Surface::Surface(const Surface& other)
    : width_(other.width_), height_(other.height_), pixels_(other.pixels_), tilesX_(other.tilesX_),
      stamps_(other.stamps_), version_(other.version_), id_(NewSurfaceId()) {}

Surface& Surface::operator=(const Surface& other) {
  if (this == &other) return *this;
  width_ = other.width_;
  height_ = other.height_;
  pixels_ = other.pixels_;
  tilesX_ = other.tilesX_;
  stamps_ = other.stamps_;
  version_ = other.version_;
  TakeNewIdentity();
  return *this;
}

Surface::Surface(Surface&& other) noexcept
    : width_(other.width_), height_(other.height_), pixels_(std::move(other.pixels_)), tilesX_(other.tilesX_),
      stamps_(std::move(other.stamps_)), version_(other.version_), id_(NewSurfaceId()) {
  other = Surface();
}

Surface& Surface::operator=(Surface&& other) noexcept {
  if (this == &other) return *this;
  width_ = other.width_;
  height_ = other.height_;
  pixels_ = std::move(other.pixels_);
  tilesX_ = other.tilesX_;
  stamps_ = std::move(other.stamps_);
  version_ = other.version_;
  TakeNewIdentity();
  other.width_ = other.height_ = other.tilesX_ = 0;
  other.pixels_.clear();
  other.stamps_.clear();
  other.TakeNewIdentity();
  return *this;
}

// Whoever copied this surface before must copy it whole next time, and what
// it last copied from no longer says anything about its pixels.
void Surface::TakeNewIdentity() {
  id_ = NewSurfaceId();
  copiedFrom_ = 0;
}

void Surface::Touch(int x0, int y0, int x1, int y1) {
  if (x0 >= x1 || y0 >= y1) return;
  ++version_;
  for (int ty = y0 >> kTileShift; ty <= (y1 - 1) >> kTileShift; ++ty)
    for (int tx = x0 >> kTileShift; tx <= (x1 - 1) >> kTileShift; ++tx)
      stamps_[static_cast<std::size_t>(ty) * tilesX_ + tx] = version_;
}

void Surface::Fill(int x0, int y0, int x1, int y1, Pixel color) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, width_);
  y1 = std::min(y1, height_);
  if (x0 >= x1 || y0 >= y1) return;  // an empty or reversed rectangle fills nothing
  Touch(x0, y0, x1, y1);
  for (int y = y0; y < y1; ++y) std::fill(RowData(y) + x0, RowData(y) + x1, color);
}

void Surface::Blit(const Surface& src, int sx, int sy, int w, int h, int dx, int dy, RasterOp op) {
  // Clip the source rectangle against the source, then against the destination.
  if (sx < 0) { w += sx; dx -= sx; sx = 0; }
  if (sy < 0) { h += sy; dy -= sy; sy = 0; }
  if (dx < 0) { w += dx; sx -= dx; dx = 0; }
  if (dy < 0) { h += dy; sy -= dy; dy = 0; }
  w = std::min({w, src.width_ - sx, width_ - dx});
  h = std::min({h, src.height_ - sy, height_ - dy});
  if (w <= 0 || h <= 0) return;
  if (op == RasterOp::Copy && &src != this && sx == 0 && sy == 0 && dx == 0 && dy == 0 && w == width_ &&
      h == height_ && src.width_ == width_ && src.height_ == height_) {
    CopyWhole(src);
    return;
  }
  Touch(dx, dy, dx + w, dy + h);
  for (int y = 0; y < h; ++y) {
    const Pixel* from = src.Row(sy + y) + sx;
    Pixel* to = RowData(dy + y) + dx;
    switch (op) {
      case RasterOp::Copy: std::copy(from, from + w, to); break;
      case RasterOp::And: for (int x = 0; x < w; ++x) to[x] &= from[x]; break;
      case RasterOp::Or: for (int x = 0; x < w; ++x) to[x] |= from[x]; break;
    }
  }
}

void Surface::CopyWhole(const Surface& src) {
  const bool known = copiedFrom_ == src.id_;
  const int tilesY = Tiles(height_, kTileShift);
  const int tile = 1 << kTileShift;
  ++version_;
  for (int ty = 0; ty < tilesY; ++ty) {
    const int y0 = ty * tile, y1 = std::min(height_, y0 + tile);
    int tx = 0;
    while (tx < tilesX_) {
      auto stale = [&](int t) {
        const std::size_t i = static_cast<std::size_t>(ty) * tilesX_ + t;
        return !known || src.stamps_[i] > copiedFromVersion_ || stamps_[i] > versionAfterCopy_;
      };
      if (!stale(tx)) {
        ++tx;
        continue;
      }
      int end = tx;
      while (end < tilesX_ && stale(end)) stamps_[static_cast<std::size_t>(ty) * tilesX_ + end++] = version_;
      const int x0 = tx * tile, x1 = std::min(width_, end * tile);
      for (int y = y0; y < y1; ++y) std::copy(src.Row(y) + x0, src.Row(y) + x1, RowData(y) + x0);
      tx = end;
    }
  }
  copiedFrom_ = src.id_;
  copiedFromVersion_ = src.version_;
  versionAfterCopy_ = version_;
}
