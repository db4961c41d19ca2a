#pragma once

#include <filesystem>

#include "indexed_image.h"

namespace assetgen {

// Writes an uncompressed 8-bit Windows bitmap with its full 256-entry palette.
void WriteBmp8(const std::filesystem::path& path, const IndexedImage& image, const PaletteColours& palette);

}  // namespace assetgen
