#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

// SHA-256 (FIPS 180-4), fed in pieces.
class Sha256 {
 public:
  Sha256();
  void Add(std::span<const std::uint8_t> bytes);
  // The digest as 64 lower-case hexadecimal digits; the object is spent.
  std::string HexDigest();

 private:
  void Block(const std::uint8_t* block);

  std::array<std::uint32_t, 8> state_;
  std::array<std::uint8_t, 64> pending_{};
  std::size_t pendingSize_ = 0;
  std::uint64_t totalBytes_ = 0;
};
