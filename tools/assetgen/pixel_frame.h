#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

#include "palette.h"

namespace assetgen {

inline constexpr int kFrameSize = 24;

// One 24 x 24 picture: a palette index per pixel and whether the pixel
// belongs to the shape (everything but the see-through '.' does).
struct PixelFrame {
  std::array<std::uint8_t, kFrameSize * kFrameSize> index{};
  std::array<bool, kFrameSize * kFrameSize> solid{};

  static int Offset(int x, int y) { return y * kFrameSize + x; }
};

// All frames of one source file, by name.
using FrameSet = std::map<std::string, PixelFrame>;

// A frame file holds blocks "frame <name>" followed by 24 rows of 24
// palette characters; lines starting with '#' are comments.
FrameSet LoadFrames(const std::filesystem::path& path, const Palette& palette);

}  // namespace assetgen
