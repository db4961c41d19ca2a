#include "base/IndexedBmp.h"

#include "base/ByteReader.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelOffsetAt = 10;
constexpr std::uint32_t kHeaderBetweenCompressionAndColours = 12;  // image size, two resolutions
constexpr std::int32_t kMaxSide = 16384;
constexpr std::size_t kPaletteEntrySize = 4;  // blue, green, red, unused
constexpr std::size_t kRowAlignment = 4;

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

bool ReadHeader(std::span<const std::uint8_t> b, Header& h, std::string& error) {
  if (b.size() < kFileHeaderSize + kInfoHeaderSize || b[0] != 'B' || b[1] != 'M') {
    error = "not a BMP file";
    return false;
  }
  ByteReader r(b, kPixelOffsetAt, b.size());
  h.PixelOffset = r.Little(4);
  h.InfoSize = r.Little(4);
  h.Width = static_cast<std::int32_t>(r.Little(4));
  h.Height = static_cast<std::int32_t>(r.Little(4));
  h.Planes = r.Little(2);
  h.BitsPerPixel = r.Little(2);
  h.Compression = r.Little(4);
  r.Skip(kHeaderBetweenCompressionAndColours);
  h.ColoursUsed = r.Little(4);
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

}  // namespace

bool DecodeIndexedBmp(std::span<const std::uint8_t> bytes, IndexedImage& image, std::string& error) {
  Header h;
  if (!ReadHeader(bytes, h, error)) return false;

  const std::size_t colours = h.ColoursUsed == 0 ? 256 : h.ColoursUsed;
  const std::size_t paletteAt = kFileHeaderSize + h.InfoSize;
  if (paletteAt + colours * kPaletteEntrySize > bytes.size()) {
    error = "BMP is cut short in its palette";
    return false;
  }
  IndexedImage out;
  for (std::size_t i = 0; i < colours; ++i) {
    const std::size_t at = paletteAt + i * kPaletteEntrySize;
    out.Palette[i] = BmpColour{bytes[at + 2], bytes[at + 1], bytes[at]};
  }

  out.Width = h.Width;
  out.Height = h.Height < 0 ? -h.Height : h.Height;
  const std::size_t width = static_cast<std::size_t>(out.Width);
  const std::size_t stride = (width + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
  if (h.PixelOffset < paletteAt || h.PixelOffset > bytes.size() ||
      stride * static_cast<std::size_t>(out.Height) > bytes.size() - h.PixelOffset) {
    error = "BMP is cut short in its pixels";
    return false;
  }

  out.Indices.resize(width * static_cast<std::size_t>(out.Height));
  for (int y = 0; y < out.Height; ++y) {
    const int fileRow = h.Height < 0 ? y : out.Height - 1 - y;
    const std::uint8_t* src = &bytes[h.PixelOffset + stride * static_cast<std::size_t>(fileRow)];
    std::uint8_t* dst = &out.Indices[width * static_cast<std::size_t>(y)];
    for (std::size_t x = 0; x < width; ++x) {
      if (src[x] >= colours) {
        error = "BMP pixel uses colour " + std::to_string(src[x]) + " beyond its palette";
        return false;
      }
      dst[x] = src[x];
    }
  }
  image = std::move(out);
  return true;
}
