#include "base/Utf8.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::uint8_t kFollowLow = 0x80, kFollowHigh = 0xBF, kFollowBits = 0x3F;

// What a lead byte promises: how many bytes follow it, its own bits, and the
// range of the byte after it (narrower than kFollowLow..kFollowHigh where a
// wider one would allow an overlong form, a surrogate or too large a value).
struct Lead {
  int Follow = -1;  // -1: not a lead byte
  char32_t Bits = 0;
  std::uint8_t SecondLow = kFollowLow, SecondHigh = kFollowHigh;
};

Lead LeadOf(std::uint8_t b) {
  if (b < 0x80) return {0, b};
  if (b >= 0xC2 && b <= 0xDF) return {1, static_cast<char32_t>(b & 0x1F)};
  if (b == 0xE0) return {2, 0, 0xA0, kFollowHigh};
  if (b == 0xED) return {2, 0xD, kFollowLow, 0x9F};
  if (b >= 0xE1 && b <= 0xEF) return {2, static_cast<char32_t>(b & 0x0F)};
  if (b == 0xF0) return {3, 0, 0x90, kFollowHigh};
  if (b >= 0xF1 && b <= 0xF3) return {3, static_cast<char32_t>(b & 0x07)};
  if (b == 0xF4) return {3, 4, kFollowLow, 0x8F};
  return {};
}

// The character at text[at] and its length in bytes; 0 when malformed.
std::size_t Next(std::string_view text, std::size_t at, char32_t& code) {
  const Lead lead = LeadOf(static_cast<std::uint8_t>(text[at]));
  if (lead.Follow < 0 || text.size() - at <= static_cast<std::size_t>(lead.Follow)) return 0;
  code = lead.Bits;
  for (int k = 1; k <= lead.Follow; ++k) {
    const auto b = static_cast<std::uint8_t>(text[at + k]);
    const std::uint8_t low = k == 1 ? lead.SecondLow : kFollowLow;
    const std::uint8_t high = k == 1 ? lead.SecondHigh : kFollowHigh;
    if (b < low || b > high) return 0;
    code = (code << 6) | (b & kFollowBits);
  }
  return static_cast<std::size_t>(lead.Follow) + 1;
}

}  // namespace

std::vector<char32_t> DecodeUtf8(std::string_view text) {
  std::vector<char32_t> out;
  std::size_t at = 0;
  while (at < text.size()) {
    char32_t code = 0;
    const std::size_t length = Next(text, at, code);
    out.push_back(length ? code : kReplacement);
    at += length ? length : 1;
  }
  return out;
}

bool IsUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    char32_t code = 0;
    const std::size_t length = Next(text, at, code);
    if (length == 0) return false;
    at += length;
  }
  return true;
}
