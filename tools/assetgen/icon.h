#pragma once

#include "indexed_image.h"
#include "png_writer.h"

namespace assetgen {

// The desktop icon: the hero standing (the one-player sheet's first picture,
// cut out by its mask) twice its size on the dark of the play field.
constexpr int kIconSize = 64;
constexpr int kIconScale = 2;

RgbImage BuildIcon(const IndexedImage& chrSheet, const PaletteColours& colours);

}  // namespace assetgen
