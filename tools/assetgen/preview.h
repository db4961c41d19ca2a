#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "indexed_image.h"

namespace assetgen {

struct NamedPicture {
  std::string name;
  IndexedImage image;
  PaletteColours palette;
};

// One PNG contact sheet: every picture enlarged three times, sheets with
// their 32-pixel cell grid and each cell labelled "x,y" by its position.
void WritePreview(const std::filesystem::path& path, const std::vector<NamedPicture>& sheets, const NamedPicture& logo);

}  // namespace assetgen
