#include "bmp_writer.h"

#include "byte_writer.h"

namespace assetgen {

void WriteBmp8(const std::filesystem::path& path, const IndexedImage& image, const PaletteColours& palette) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) + 3u) & ~3u;
  const std::uint32_t pixelOffset = 14 + 40 + 256 * 4;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);

  ByteWriter out;
  out.U8('B');
  out.U8('M');
  out.Le32(pixelOffset + pixelBytes);
  out.Le32(0);
  out.Le32(pixelOffset);
  out.Le32(40);
  out.Le32(static_cast<std::uint32_t>(image.width));
  out.Le32(static_cast<std::uint32_t>(image.height));
  out.Le16(1);
  out.Le16(8);
  out.Le32(0);
  out.Le32(pixelBytes);
  out.Le32(2835);
  out.Le32(2835);
  out.Le32(256);
  out.Le32(0);
  for (const Rgb& c : palette) {
    out.U8(c.b);
    out.U8(c.g);
    out.U8(c.r);
    out.U8(0);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) out.U8(image.at(x, y));
    for (std::uint32_t pad = static_cast<std::uint32_t>(image.width); pad < rowBytes; ++pad) out.U8(0);
  }
  out.Save(path);
}

}  // namespace assetgen
