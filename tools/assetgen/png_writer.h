#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace assetgen {

// An RGB picture, 3 bytes per pixel, rows top to bottom.
struct RgbImage {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;

  RgbImage(int w, int h) : width(w), height(h), rgb(std::size_t(w) * h * 3, 0) {}
  void Set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
    p[0] = r;
    p[1] = g;
    p[2] = b;
  }
};

void WritePng(const std::filesystem::path& path, const RgbImage& image);

}  // namespace assetgen
