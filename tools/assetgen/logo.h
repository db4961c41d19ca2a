#pragma once

#include <filesystem>

#include "indexed_image.h"
#include "palette.h"

namespace assetgen {

// A logo description reads:
//   size <width> <height>
//   letters <file>          glyph file beside it
//   text <WORD>
//   scale <x> <y>           pixels per glyph cell
//   gap <pixels>            between letters
//   top <y>                 first pixel row of the lettering
//   slant <pixels per row>  leans the letters to the right (italic)
// The word is centred across the width, black on white. The glyph file
// holds blocks "glyph <letter>" followed by rows of 'X' (ink) and '.';
// all glyphs share one height.
IndexedImage BuildLogo(const std::filesystem::path& description, const Palette& palette);

}  // namespace assetgen
