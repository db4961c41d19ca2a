#include "byte_writer.h"

#include <fstream>
#include <stdexcept>

namespace assetgen {

void ByteWriter::Vlq(std::uint32_t v) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = v & 0x7F;
    v >>= 7;
  } while (v);
  while (n > 1) U8(groups[--n] | 0x80);
  U8(groups[0]);
}

void ByteWriter::Save(const std::filesystem::path& path) const {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes_.data()), static_cast<std::streamsize>(bytes_.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace assetgen
