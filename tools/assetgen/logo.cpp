#include "logo.h"

#include <map>
#include <string>
#include <vector>

#include "text_source.h"

namespace assetgen {

namespace {

using Glyph = std::vector<std::string>;

std::map<char, Glyph> LoadGlyphs(const std::filesystem::path& path) {
  const SourceFile file = ReadRawSource(path);
  std::map<char, Glyph> glyphs;
  Glyph* current = nullptr;
  for (const auto& line : file.lines) {
    if (line.text[0] == '#') continue;
    const auto words = SplitWords(line.text);
    if (words.size() == 2 && words[0] == "glyph" && words[1].size() == 1) {
      current = &glyphs[words[1][0]];
      continue;
    }
    if (!current) throw SourceError(file, line.number, "rows before the first 'glyph'");
    if (line.text.find_first_not_of("X.") != std::string::npos)
      throw SourceError(file, line.number, "glyph rows hold only 'X' and '.'");
    if (!current->empty() && current->front().size() != line.text.size())
      throw SourceError(file, line.number, "glyph rows differ in width");
    current->push_back(line.text);
  }
  return glyphs;
}

}  // namespace

IndexedImage BuildLogo(const std::filesystem::path& description, const Palette& palette) {
  const SourceFile file = ReadSource(description);
  int width = 0, height = 0, scaleX = 1, scaleY = 1, gap = 0, top = 0;
  double slant = 0;
  std::string text;
  std::map<char, Glyph> glyphs;
  for (const auto& line : file.lines) {
    const auto w = SplitWords(line.text);
    if (w[0] == "size" && w.size() == 3) {
      width = ParseInt(w[1], file, line.number);
      height = ParseInt(w[2], file, line.number);
    } else if (w[0] == "letters" && w.size() == 2) {
      glyphs = LoadGlyphs(description.parent_path() / w[1]);
    } else if (w[0] == "text" && w.size() == 2) {
      text = w[1];
    } else if (w[0] == "scale" && w.size() == 3) {
      scaleX = ParseInt(w[1], file, line.number);
      scaleY = ParseInt(w[2], file, line.number);
    } else if (w[0] == "gap" && w.size() == 2) {
      gap = ParseInt(w[1], file, line.number);
    } else if (w[0] == "slant" && w.size() == 2) {
      slant = ParseNumber(w[1], file, line.number);
    } else if (w[0] == "top" && w.size() == 2) {
      top = ParseInt(w[1], file, line.number);
    } else {
      throw SourceError(file, line.number, "unknown logo setting");
    }
  }
  IndexedImage logo(width, height, static_cast<std::uint8_t>(palette.IndexNamed("white")));
  int total = -gap;
  for (char c : text) {
    if (!glyphs.count(c)) throw SourceError(file, 0, std::string("no glyph for '") + c + "'");
    total += static_cast<int>(glyphs[c].front().size()) * scaleX + gap;
  }
  const int inkHeight = static_cast<int>(glyphs[text[0]].size()) * scaleY;
  int left = (width - total - static_cast<int>(slant * inkHeight)) / 2;
  for (char c : text) {
    const Glyph& g = glyphs[c];
    for (std::size_t row = 0; row < g.size(); ++row)
      for (std::size_t col = 0; col < g[row].size(); ++col) {
        if (g[row][col] != 'X') continue;
        for (int dy = 0; dy < scaleY; ++dy)
          for (int dx = 0; dx < scaleX; ++dx) {
            const int y = top + static_cast<int>(row) * scaleY + dy;
            const int lean = static_cast<int>(slant * (top + inkHeight - 1 - y));
            const int x = left + static_cast<int>(col) * scaleX + dx + lean;
            if (x < 0 || y < 0 || x >= width || y >= height)
              throw SourceError(file, 0, "lettering does not fit the logo");
            logo.at(x, y) = kBlackIndex;
          }
      }
    left += static_cast<int>(g.front().size()) * scaleX + gap;
  }
  return logo;
}

}  // namespace assetgen
