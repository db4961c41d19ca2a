#include "support/TextLog.h"

#include <algorithm>
#include <cstddef>

TextLog::TextLog(int letterWidth, LetterShape shape) : letterWidth_(letterWidth), shape_(shape) {}

TextMask TextLog::Render(std::string_view face, int cellHeight, std::string_view text) {
  Lines.emplace_back(text);
  LastFace = std::string(face);
  TextMask m;
  m.Width = letterWidth_ * static_cast<int>(text.size());
  m.Height = std::max(cellHeight, 0);
  m.On.resize(static_cast<std::size_t>(m.Width) * static_cast<std::size_t>(m.Height));
  for (int y = 0; y < m.Height; ++y) {
    for (int x = 0; x < m.Width; ++x) {
      m.On[static_cast<std::size_t>(y) * static_cast<std::size_t>(m.Width) + static_cast<std::size_t>(x)] =
          IsInk(x, y, static_cast<int>(text.size()), cellHeight) ? 1 : 0;
    }
  }
  return m;
}

bool TextLog::Drew(const std::string& line) const { return std::find(Lines.begin(), Lines.end(), line) != Lines.end(); }

bool TextLog::IsInk(int x, int y, int length, int cellHeight) const {
  if (x < 0 || y < 0 || x >= length * letterWidth_ || y >= cellHeight) return false;
  if (shape_ == LetterShape::Block) return true;
  const int column = x % letterWidth_;
  const int barLeft = letterWidth_ / 2 - 1;
  return y >= 1 && y < cellHeight - 1 && (column == barLeft || column == barLeft + 1);
}
