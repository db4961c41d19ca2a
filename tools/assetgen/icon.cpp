#include "icon.h"

#include <stdexcept>

namespace assetgen {

namespace {

// Where the hero's first frame and its mask sit on the one-player sheet.
constexpr int kHeroX = 0, kHeroY = 64, kMaskY = 32, kFrame = 24;
constexpr Rgb kBackdrop{16, 16, 40};

// The hero's pixel at (x, y) of its frame, or the backdrop outside its mask.
Rgb HeroPixel(const IndexedImage& chrSheet, const PaletteColours& colours, int x, int y) {
  const Rgb& m = colours[chrSheet.at(kHeroX + x, kMaskY + y)];
  if (m.r || m.g || m.b) return kBackdrop;  // white in the mask: outside the hero
  return colours[chrSheet.at(kHeroX + x, kHeroY + y)];
}

// Each sheet pixel drawn as a scale x scale block, centred.
RgbImage Enlarged(const IndexedImage& chrSheet, const PaletteColours& colours, int size) {
  const int scale = size / kFrame;
  const int margin = (size - kFrame * scale) / 2;
  RgbImage icon(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) icon.Set(x, y, kBackdrop.r, kBackdrop.g, kBackdrop.b);
  for (int y = 0; y < kFrame; ++y)
    for (int x = 0; x < kFrame; ++x) {
      const Rgb c = HeroPixel(chrSheet, colours, x, y);
      for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx) icon.Set(margin + x * scale + dx, margin + y * scale + dy, c.r, c.g, c.b);
    }
  return icon;
}

// Each icon pixel the average of the part of the frame it covers.
RgbImage Shrunk(const IndexedImage& chrSheet, const PaletteColours& colours, int size) {
  RgbImage icon(size, size);
  const int samples = kFrame * kFrame;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      int r = 0, g = 0, b = 0;
      for (int sy = 0; sy < kFrame; ++sy)
        for (int sx = 0; sx < kFrame; ++sx) {
          const Rgb c = HeroPixel(chrSheet, colours, (x * kFrame + sx) / size, (y * kFrame + sy) / size);
          r += c.r;
          g += c.g;
          b += c.b;
        }
      icon.Set(x, y, std::uint8_t(r / samples), std::uint8_t(g / samples), std::uint8_t(b / samples));
    }
  return icon;
}

}  // namespace

RgbImage BuildIcon(const IndexedImage& chrSheet, const PaletteColours& colours, int size) {
  if (chrSheet.width < kHeroX + kFrame || chrSheet.height < kHeroY + kFrame)
    throw std::runtime_error("the one-player sheet is too small for the hero");
  return size >= kFrame ? Enlarged(chrSheet, colours, size) : Shrunk(chrSheet, colours, size);
}

}  // namespace assetgen
