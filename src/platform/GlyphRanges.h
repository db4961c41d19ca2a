#pragma once

#include <string_view>
#include <vector>

#include <imgui.h>

// The glyph ranges an ImGui font needs to show the given UTF-8 texts:
// printable ASCII always, plus every other character the texts hold, as
// sorted, merged [first, last] pairs ending with 0. A small atlas instead of
// the whole Japanese set.
std::vector<ImWchar> GlyphRangesFor(const std::vector<std::string_view>& texts);
