#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "indexed_image.h"

namespace assetgen {

// The shared palette of the sheets and the logo. Each named colour has one
// character that the pixel-art grids use; '.' is the see-through black
// outside a sprite's shape.
struct Palette {
  PaletteColours colours{};
  std::map<char, int> indexOfChar;
  std::map<std::string, int> indexOfName;

  int Index(char c) const;
  int IndexNamed(const std::string& name) const;
};

inline constexpr char kEmptyChar = '.';
inline constexpr int kBlackIndex = 0;

Palette LoadPalette(const std::filesystem::path& path);

}  // namespace assetgen
