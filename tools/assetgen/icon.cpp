#include "icon.h"

#include <stdexcept>

namespace assetgen {

namespace {

// Where the hero's first frame and its mask sit on the one-player sheet.
constexpr int kHeroX = 0, kHeroY = 64, kMaskY = 32, kFrame = 24;
constexpr Rgb kBackdrop{16, 16, 40};

}  // namespace

RgbImage BuildIcon(const IndexedImage& chrSheet, const PaletteColours& colours) {
  if (chrSheet.width < kHeroX + kFrame || chrSheet.height < kHeroY + kFrame)
    throw std::runtime_error("the one-player sheet is too small for the hero");
  RgbImage icon(kIconSize, kIconSize);
  for (int y = 0; y < kIconSize; ++y)
    for (int x = 0; x < kIconSize; ++x) icon.Set(x, y, kBackdrop.r, kBackdrop.g, kBackdrop.b);
  const int margin = (kIconSize - kFrame * kIconScale) / 2;
  for (int y = 0; y < kFrame; ++y) {
    for (int x = 0; x < kFrame; ++x) {
      const Rgb& m = colours[chrSheet.at(kHeroX + x, kMaskY + y)];
      if (m.r || m.g || m.b) continue;  // white in the mask: outside the hero
      const Rgb& c = colours[chrSheet.at(kHeroX + x, kHeroY + y)];
      for (int dy = 0; dy < kIconScale; ++dy)
        for (int dx = 0; dx < kIconScale; ++dx)
          icon.Set(margin + x * kIconScale + dx, margin + y * kIconScale + dy, c.r, c.g, c.b);
    }
  }
  return icon;
}

}  // namespace assetgen
