#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace assetgen {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

using PaletteColours = std::array<Rgb, 256>;

// An 8-bit picture: one palette index per pixel, rows top to bottom.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;

  IndexedImage() = default;
  IndexedImage(int w, int h, std::uint8_t fill) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}

  std::uint8_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

}  // namespace assetgen
