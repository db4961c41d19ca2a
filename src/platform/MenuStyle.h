#pragma once

#include <imgui.h>

// The look of a classic desktop menu bar and its drop-down menus: grey face,
// black text, square corners, sizes at scale 1 (a 12-pixel font in a
// 20-pixel menu bar).
void ApplyClassicStyle(ImGuiStyle& style);

// The form's font, "ＭＳ Ｐゴシック" at 12 pixels, at scale 1.
constexpr float kMenuFontHeight = 12;
