#include "base/DecimalNumber.h"

#include <algorithm>
#include <charconv>

std::optional<std::uint64_t> ParseDecimal(std::string_view text, std::uint64_t max) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || value > max) return std::nullopt;
  return value;
}
