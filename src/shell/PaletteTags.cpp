#include "shell/PaletteTags.h"

#include "shell/BmpDecode.h"

void ResolvePaletteTags(Surface& picture, const PaletteEntry (&duoPalette)[6]) {
  Pixel colours[6];
  for (int i = 0; i < 6; ++i) colours[i] = Rgb(duoPalette[i].Red, duoPalette[i].Green, duoPalette[i].Blue);
  for (int y = 0; y < picture.Height(); ++y) {
    Pixel* row = picture.Row(y);
    for (int x = 0; x < picture.Width(); ++x) {
      const Pixel tag = row[x] >> 24;
      if (tag >= kFirstDuoColour && tag <= kLastDuoColour) row[x] = colours[tag - kFirstDuoColour];
      else row[x] &= 0x00FFFFFF;
    }
  }
}
