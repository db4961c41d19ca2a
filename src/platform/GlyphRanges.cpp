#include "platform/GlyphRanges.h"

#include <set>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kFirstPrintable = 0x20, kLastPrintable = 0x7E;

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

}  // namespace

std::vector<char32_t> DecodeUtf8(std::string_view text) {
  std::vector<char32_t> out;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = SequenceLength(lead);
    if (length == 0 || i + length > text.size()) {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    bool ok = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) ok = false;
      c = (c << 6) | (next & 0x3F);
    }
    out.push_back(ok ? c : kReplacement);
    i += ok ? length : 1;
  }
  return out;
}

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
