#pragma once

#include <string>

#include "png_writer.h"

namespace assetgen {

// Draws upper-case letters, digits, ',', '-' and ' ' in a 3 x 5 pixel
// face, each pixel enlarged to scale x scale, for the preview's labels.
void DrawLabel(RgbImage& image, int x, int y, const std::string& text, int scale, std::uint8_t r, std::uint8_t g,
               std::uint8_t b);

}  // namespace assetgen
