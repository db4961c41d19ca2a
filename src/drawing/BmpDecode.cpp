#include "drawing/BmpDecode.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kMaxSide = 16384;

std::uint32_t U16(const std::vector<unsigned char>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8);
}

std::uint32_t U32(const std::vector<unsigned char>& b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}

struct Header {
  std::uint32_t PixelOffset = 0;
  std::uint32_t InfoSize = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;  // negative for top-down rows
  std::uint32_t Planes = 0;
  std::uint32_t BitsPerPixel = 0;
  std::uint32_t Compression = 0;
  std::uint32_t ColoursUsed = 0;
};

bool ReadHeader(const std::vector<unsigned char>& b, Header& h, std::string& error) {
  if (b.size() < kFileHeaderSize + kInfoHeaderSize || b[0] != 'B' || b[1] != 'M') {
    error = "not a BMP file";
    return false;
  }
  h.PixelOffset = U32(b, 10);
  h.InfoSize = U32(b, 14);
  h.Width = static_cast<std::int32_t>(U32(b, 18));
  h.Height = static_cast<std::int32_t>(U32(b, 22));
  h.Planes = U16(b, 26);
  h.BitsPerPixel = U16(b, 28);
  h.Compression = U32(b, 30);
  h.ColoursUsed = U32(b, 46);
  if (h.InfoSize < kInfoHeaderSize || h.InfoSize > b.size() - kFileHeaderSize) {
    error = "BMP header is damaged";
    return false;
  }
  if (h.BitsPerPixel != 8) {
    error = "BMP has " + std::to_string(h.BitsPerPixel) + " bits per pixel, expected 8";
    return false;
  }
  if (h.Compression != 0) {
    error = "BMP is compressed, expected uncompressed";
    return false;
  }
  if (h.Planes != 1 || h.Width <= 0 || h.Width > kMaxSide || h.Height == 0 || h.Height < -kMaxSide ||
      h.Height > kMaxSide) {
    error = "BMP size is damaged";
    return false;
  }
  if (h.ColoursUsed > 256) {
    error = "BMP palette has more than 256 colours";
    return false;
  }
  return true;
}

Pixel PixelFor(const PaletteEntry& c, int index, PaletteTags tags) {
  if (c.Red == 255 && c.Green == 255 && c.Blue == 255) return kMaskWhite;
  const Pixel rgb = Rgb(c.Red, c.Green, c.Blue);
  if (tags == PaletteTags::DuoColours && index >= kFirstDuoColour && index <= kLastDuoColour) {
    return rgb | (static_cast<Pixel>(index) << 24);
  }
  return rgb;
}

}  // namespace

bool DecodeBmp(const std::vector<unsigned char>& bytes, PaletteTags tags, BmpImage& image, std::string& error) {
  Header h;
  if (!ReadHeader(bytes, h, error)) return false;

  const std::size_t colours = h.ColoursUsed == 0 ? 256 : h.ColoursUsed;
  const std::size_t paletteAt = kFileHeaderSize + h.InfoSize;
  if (paletteAt + colours * 4 > bytes.size()) {
    error = "BMP is cut short in its palette";
    return false;
  }
  BmpImage out;
  for (std::size_t i = 0; i < colours; ++i) {
    const std::size_t at = paletteAt + i * 4;
    out.Palette[i] = PaletteEntry{bytes[at + 2], bytes[at + 1], bytes[at], 0};
  }

  const int width = h.Width;
  const int height = h.Height < 0 ? -h.Height : h.Height;
  const std::size_t stride = (static_cast<std::size_t>(width) + 3) / 4 * 4;
  if (h.PixelOffset < paletteAt || h.PixelOffset > bytes.size() ||
      stride * static_cast<std::size_t>(height) > bytes.size() - h.PixelOffset) {
    error = "BMP is cut short in its pixels";
    return false;
  }

  out.Picture = Surface(width, height);
  for (int y = 0; y < height; ++y) {
    const int fileRow = h.Height < 0 ? y : height - 1 - y;
    const unsigned char* src = &bytes[h.PixelOffset + stride * static_cast<std::size_t>(fileRow)];
    Pixel* dst = out.Picture.Row(y);
    for (int x = 0; x < width; ++x) {
      const int index = src[x];
      if (static_cast<std::size_t>(index) >= colours) {
        error = "BMP pixel uses colour " + std::to_string(index) + " beyond its palette";
        return false;
      }
      dst[x] = PixelFor(out.Palette[index], index, tags);
    }
  }
  image = std::move(out);
  return true;
}
