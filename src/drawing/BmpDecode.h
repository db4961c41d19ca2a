#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/Game.h"

// An 8-bit paletted sheet as the game keeps it: its pixels and its 256-entry
// palette (entries past the file's own are black).
struct BmpImage {
  Surface Picture;
  std::array<PaletteEntry, 256> Palette{};
};

// Which palette entries keep their index as the pixel's tag: the two-player
// sheet's adjustable colours 22..27, or none.
enum class PaletteTags { None, DuoColours };

constexpr int kFirstDuoColour = 22;
constexpr int kLastDuoColour = 27;

// Decodes an uncompressed 8-bit BMP (base/IndexedBmp) into the game's
// surface. Pure white pixels become mask white (0xFFFFFFFF) so an AND with
// them keeps any tag; with PaletteTags::DuoColours the pixels of entries
// 22..27 carry their index in the top byte. False with a one-line reason when
// the bytes are not such a file.
bool DecodeBmp(const std::vector<unsigned char>& bytes, PaletteTags tags, BmpImage& image, std::string& error);
