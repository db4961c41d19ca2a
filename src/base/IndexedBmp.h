#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct BmpColour {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;
};

// An 8-bit paletted picture: each pixel's palette index, row by row from the
// top, and the 256-entry palette (entries past the file's own are black).
struct IndexedImage {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Indices;
  std::array<BmpColour, 256> Palette{};

  std::uint8_t At(int x, int y) const { return Indices[static_cast<std::size_t>(y) * Width + x]; }
};

// Decodes an uncompressed 8-bit BMP (bottom-up or top-down rows). False with
// a one-line reason when the bytes are not such a file, or a pixel uses a
// colour beyond the file's palette.
bool DecodeIndexedBmp(std::span<const std::uint8_t> bytes, IndexedImage& image, std::string& error);
