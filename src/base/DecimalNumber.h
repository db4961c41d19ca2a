#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A whole number written in decimal digits only (no sign, no spaces, nothing
// else), from 0 to max; empty for any other text.
std::optional<std::uint64_t> ParseDecimal(std::string_view text, std::uint64_t max);
