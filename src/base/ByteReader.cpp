#include "base/ByteReader.h"

#include <algorithm>

namespace {

constexpr int kVarLenMaxBytes = 4;
constexpr std::uint8_t kVarLenMore = 0x80;
constexpr std::uint8_t kVarLenBits = 0x7F;

}  // namespace

ByteReader::ByteReader(std::span<const std::uint8_t> bytes, std::size_t begin, std::size_t end)
    : bytes_(bytes), pos_(begin), end_(std::min(end, bytes.size())) {}

std::uint8_t ByteReader::Byte() {
  if (pos_ >= end_) {
    ok_ = false;
    return 0;
  }
  return bytes_[pos_++];
}

std::uint32_t ByteReader::Little(int count) {
  std::uint32_t v = 0;
  for (int i = 0; i < count; ++i) v |= static_cast<std::uint32_t>(Byte()) << (8 * i);
  return v;
}

std::uint32_t ByteReader::Big(int count) {
  std::uint32_t v = 0;
  for (int i = 0; i < count; ++i) v = (v << 8) | Byte();
  return v;
}

std::uint32_t ByteReader::VarLen() {
  std::uint32_t v = 0;
  for (int i = 0; i < kVarLenMaxBytes; ++i) {
    const std::uint8_t b = Byte();
    v = (v << 7) | (b & kVarLenBits);
    if (!(b & kVarLenMore)) return v;
  }
  ok_ = false;
  return 0;
}

void ByteReader::Skip(std::uint32_t count) {
  if (pos_ > end_ || count > end_ - pos_) {
    ok_ = false;
    pos_ = end_;
    return;
  }
  pos_ += count;
}
