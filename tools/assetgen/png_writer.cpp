#include "png_writer.h"

#include <zlib.h>

#include <stdexcept>

#include "byte_writer.h"

namespace assetgen {

namespace {

void Chunk(ByteWriter& out, const char* type, const std::vector<std::uint8_t>& data) {
  out.Be32(static_cast<std::uint32_t>(data.size()));
  std::vector<std::uint8_t> typed(type, type + 4);
  typed.insert(typed.end(), data.begin(), data.end());
  out.Append(typed);
  out.Be32(static_cast<std::uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
}

}  // namespace

void WritePng(const std::filesystem::path& path, const RgbImage& image) {
  std::vector<std::uint8_t> raw;
  raw.reserve((std::size_t(image.width) * 3 + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    const auto* row = &image.rgb[std::size_t(y) * image.width * 3];
    raw.insert(raw.end(), row, row + std::size_t(image.width) * 3);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
    throw std::runtime_error("zlib failed");
  packed.resize(packedSize);

  ByteWriter header;
  header.Be32(static_cast<std::uint32_t>(image.width));
  header.Be32(static_cast<std::uint32_t>(image.height));
  header.U8(8);
  header.U8(2);
  header.U8(0);
  header.U8(0);
  header.U8(0);

  ByteWriter out;
  out.Append({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
  Chunk(out, "IHDR", header.bytes());
  Chunk(out, "IDAT", packed);
  Chunk(out, "IEND", {});
  out.Save(path);
}

}  // namespace assetgen
