#pragma once

#include <array>

#include "indexed_image.h"
#include "png_writer.h"

namespace assetgen {

// The desktop icon: the hero standing (the one-player sheet's first picture,
// cut out by its mask) on the dark of the play field, as large as a whole
// number of pixels per sheet pixel allows, or shrunk by averaging when the
// icon is smaller than the hero.
constexpr std::array<int, 6> kIconSizes = {16, 32, 48, 64, 128, 256};

RgbImage BuildIcon(const IndexedImage& chrSheet, const PaletteColours& colours, int size);

}  // namespace assetgen
