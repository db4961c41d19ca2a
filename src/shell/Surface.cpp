#include "shell/Surface.h"

#include <algorithm>

Surface::Surface(int width, int height, Pixel fill)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

void Surface::Fill(int x0, int y0, int x1, int y1, Pixel color) {
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, width_);
  y1 = std::min(y1, height_);
  for (int y = y0; y < y1; ++y) std::fill(Row(y) + x0, Row(y) + x1, color);
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
  for (int y = 0; y < h; ++y) {
    const Pixel* from = src.Row(sy + y) + sx;
    Pixel* to = Row(dy + y) + dx;
    switch (op) {
      case RasterOp::Copy: std::copy(from, from + w, to); break;
      case RasterOp::And: for (int x = 0; x < w; ++x) to[x] &= from[x]; break;
      case RasterOp::Or: for (int x = 0; x < w; ++x) to[x] |= from[x]; break;
    }
  }
}
