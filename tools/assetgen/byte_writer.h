#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace assetgen {

// Little- and big-endian byte building for the file formats we write.
class ByteWriter {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void Bytes(std::string_view s) {
    for (char c : s) U8(static_cast<std::uint8_t>(c));
  }
  void Append(const std::vector<std::uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
  void Le16(std::uint16_t v) {
    U8(v & 0xFF);
    U8(v >> 8);
  }
  void Le32(std::uint32_t v) {
    Le16(v & 0xFFFF);
    Le16(v >> 16);
  }
  void Be16(std::uint16_t v) {
    U8(v >> 8);
    U8(v & 0xFF);
  }
  void Be32(std::uint32_t v) {
    Be16(v >> 16);
    Be16(v & 0xFFFF);
  }
  // MIDI variable-length quantity.
  void Vlq(std::uint32_t v);

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  void Save(const std::filesystem::path& path) const;

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace assetgen
