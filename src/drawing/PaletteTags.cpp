#include "drawing/PaletteTags.h"

#include <algorithm>
#include <utility>

#include "drawing/BmpDecode.h"

namespace {

using DuoColours = Pixel[6];

void CurrentColours(const PaletteEntry (&duoPalette)[6], DuoColours& colours) {
  for (int i = 0; i < 6; ++i) colours[i] = Rgb(duoPalette[i].Red, duoPalette[i].Green, duoPalette[i].Blue);
}

// Most rows carry no tag at all; finding that out is one quick pass.
bool HasTags(const Pixel* row, int width) {
  Pixel any = 0;
  for (int x = 0; x < width; ++x) any |= row[x];
  return (any >> 24) != 0;
}

// from and to may be the same row.
void ResolveRow(const Pixel* from, Pixel* to, int width, const DuoColours& colours) {
  for (int x = 0; x < width; ++x) {
    const Pixel tag = from[x] >> 24;
    if (tag >= kFirstDuoColour && tag <= kLastDuoColour) to[x] = colours[tag - kFirstDuoColour];
    else to[x] = from[x] & 0x00FFFFFF;
  }
}

}  // namespace

void ResolvePaletteTags(Surface& picture, const PaletteEntry (&duoPalette)[6]) {
  DuoColours colours;
  CurrentColours(duoPalette, colours);
  for (int y = 0; y < picture.Height(); ++y) {
    if (!HasTags(std::as_const(picture).Row(y), picture.Width())) continue;
    Pixel* row = picture.Row(y);
    ResolveRow(row, row, picture.Width(), colours);
  }
}

void ResolvePaletteTags(const Surface& picture, const PaletteEntry (&duoPalette)[6], Pixel* out, int pitch) {
  DuoColours colours;
  CurrentColours(duoPalette, colours);
  for (int y = 0; y < picture.Height(); ++y) {
    const Pixel* from = picture.Row(y);
    Pixel* to = out + static_cast<std::ptrdiff_t>(y) * pitch;
    if (HasTags(from, picture.Width())) ResolveRow(from, to, picture.Width(), colours);
    else std::copy(from, from + picture.Width(), to);
  }
}
