#include "platform/GlyphRanges.h"

#include <set>

#include "base/Utf8.h"

namespace {

constexpr char32_t kFirstPrintable = 0x20, kLastPrintable = 0x7E;

}  // namespace

std::vector<ImWchar> GlyphRangesFor(const std::vector<std::string_view>& texts) {
  std::set<char32_t> chars;
  for (char32_t c = kFirstPrintable; c <= kLastPrintable; ++c) chars.insert(c);
  for (std::string_view t : texts) {
    for (char32_t c : DecodeUtf8(t)) {
      // ImGui's default ImWchar holds the basic plane only.
      if (c <= 0xFFFF) chars.insert(c);
    }
  }
  std::vector<ImWchar> ranges;
  for (char32_t c : chars) {
    if (!ranges.empty() && static_cast<char32_t>(ranges.back()) + 1 == c) ranges.back() = static_cast<ImWchar>(c);
    else {
      ranges.push_back(static_cast<ImWchar>(c));
      ranges.push_back(static_cast<ImWchar>(c));
    }
  }
  ranges.push_back(0);
  return ranges;
}
