#include "palette.h"

#include <stdexcept>

#include "text_source.h"

namespace assetgen {

int Palette::Index(char c) const {
  if (c == kEmptyChar) return kBlackIndex;
  const auto it = indexOfChar.find(c);
  if (it == indexOfChar.end()) throw std::runtime_error(std::string("no palette colour for '") + c + "'");
  return it->second;
}

int Palette::IndexNamed(const std::string& name) const {
  const auto it = indexOfName.find(name);
  if (it == indexOfName.end()) throw std::runtime_error("no palette colour named '" + name + "'");
  return it->second;
}

// Lines: <char> <index> <red> <green> <blue> <name>
Palette LoadPalette(const std::filesystem::path& path) {
  const SourceFile file = ReadSource(path);
  Palette palette;
  for (const auto& line : file.lines) {
    const auto words = SplitWords(line.text);
    if (words.size() != 6 || words[0].size() != 1)
      throw SourceError(file, line.number, "expected: char index red green blue name");
    const char c = words[0][0];
    const int index = ParseInt(words[1], file, line.number);
    if (index < 0 || index > 255) throw SourceError(file, line.number, "index out of 0..255");
    if (c == kEmptyChar) throw SourceError(file, line.number, "'.' is reserved for see-through black");
    if (palette.indexOfChar.count(c)) throw SourceError(file, line.number, "character used twice");
    Rgb rgb;
    rgb.r = static_cast<std::uint8_t>(ParseInt(words[2], file, line.number));
    rgb.g = static_cast<std::uint8_t>(ParseInt(words[3], file, line.number));
    rgb.b = static_cast<std::uint8_t>(ParseInt(words[4], file, line.number));
    palette.colours[index] = rgb;
    palette.indexOfChar[c] = index;
    palette.indexOfName[words[5]] = index;
  }
  return palette;
}

}  // namespace assetgen
