#pragma once

#include <string_view>
#include <vector>

// The code points of a UTF-8 text; each byte that does not begin a
// well-formed character (RFC 3629: no overlong forms, no surrogates, nothing
// past U+10FFFF) reads as U+FFFD.
std::vector<char32_t> DecodeUtf8(std::string_view text);

// Whether the whole text is well-formed UTF-8.
bool IsUtf8(std::string_view text);
