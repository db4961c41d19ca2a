#include "drawing/BmpDecode.h"

#include "base/IndexedBmp.h"

namespace {

constexpr std::uint8_t kFull = 255;
constexpr int kTagShift = 24;

Pixel PixelFor(const PaletteEntry& c, int index, PaletteTags tags) {
  if (c.Red == kFull && c.Green == kFull && c.Blue == kFull) return kMaskWhite;
  const Pixel rgb = Rgb(c.Red, c.Green, c.Blue);
  if (tags == PaletteTags::DuoColours && index >= kFirstDuoColour && index <= kLastDuoColour) {
    return rgb | (static_cast<Pixel>(index) << kTagShift);
  }
  return rgb;
}

}  // namespace

bool DecodeBmp(const std::vector<unsigned char>& bytes, PaletteTags tags, BmpImage& image, std::string& error) {
  IndexedImage indexed;
  if (!DecodeIndexedBmp(bytes, indexed, error)) return false;
  BmpImage out;
  for (std::size_t i = 0; i < out.Palette.size(); ++i) {
    const BmpColour& c = indexed.Palette[i];
    out.Palette[i] = PaletteEntry{c.Red, c.Green, c.Blue, 0};
  }
  out.Picture = Surface(indexed.Width, indexed.Height);
  for (int y = 0; y < indexed.Height; ++y) {
    Pixel* dst = out.Picture.Row(y);
    for (int x = 0; x < indexed.Width; ++x) {
      const int index = indexed.At(x, y);
      dst[x] = PixelFor(out.Palette[index], index, tags);
    }
  }
  image = std::move(out);
  return true;
}
