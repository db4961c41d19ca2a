#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Reads numbers from a range of bytes: little- or big-endian, and MIDI's
// variable-length quantities. Any read past the end clears Ok and yields 0,
// so a run of reads needs one check of Ok after it.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : ByteReader(bytes, 0, bytes.size()) {}
  // The bytes from begin up to end; an end past the bytes is cut to them.
  ByteReader(std::span<const std::uint8_t> bytes, std::size_t begin, std::size_t end);

  bool Ok() const { return ok_; }
  bool AtEnd() const { return pos_ >= end_; }
  std::size_t Position() const { return pos_; }

  std::uint8_t Byte();
  // An unsigned number of count bytes (1 to 4), lowest byte first.
  std::uint32_t Little(int count);
  // An unsigned number of count bytes (1 to 4), highest byte first.
  std::uint32_t Big(int count);
  // Seven bits a byte, highest first, in at most four bytes.
  std::uint32_t VarLen();
  void Skip(std::uint32_t count);

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_;
  std::size_t end_;
  bool ok_ = true;
};
