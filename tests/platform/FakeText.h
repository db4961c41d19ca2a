#pragma once

#include <string>
#include <string_view>

#include "state/Services.h"

// Stands in for the fonts: every character is a 4-pixel-wide cell with a
// 2-pixel bar in its middle columns, from row 1 to the second-last row, so
// tests know exactly which pixels are letters.
class FakeText : public TextRasterizer {
 public:
  TextMask Render(std::string_view face, int cellHeight, std::string_view text) override {
    LastFace = std::string(face);
    ++Calls;
    TextMask m;
    m.Width = static_cast<int>(text.size()) * 4;
    m.Height = cellHeight;
    m.On.assign(static_cast<std::size_t>(m.Width) * m.Height, 0);
    for (int c = 0; c < static_cast<int>(text.size()); ++c) {
      for (int y = 1; y < cellHeight - 1; ++y) {
        m.On[static_cast<std::size_t>(y) * m.Width + c * 4 + 1] = 1;
        m.On[static_cast<std::size_t>(y) * m.Width + c * 4 + 2] = 1;
      }
    }
    return m;
  }
  // Whether (x, y) of a line drawn at the origin is a letter pixel.
  static bool IsInk(int x, int y, int length, int cellHeight) {
    if (x < 0 || y < 1 || y >= cellHeight - 1 || x >= length * 4) return false;
    return x % 4 == 1 || x % 4 == 2;
  }

  std::string LastFace;
  int Calls = 0;
};
