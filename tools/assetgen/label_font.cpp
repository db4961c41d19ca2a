#include "label_font.h"

#include <map>

namespace assetgen {

namespace {

// Five rows of three columns, top row first.
const std::map<char, const char*>& Glyphs() {
  static const std::map<char, const char*> glyphs{
      {'0', "111101101101111"}, {'1', "010110010010111"}, {'2', "111001111100111"}, {'3', "111001111001111"},
      {'4', "101101111001001"}, {'5', "111100111001111"}, {'6', "111100111101111"}, {'7', "111001010010010"},
      {'8', "111101111101111"}, {'9', "111101111001111"}, {',', "000000000010100"}, {'-', "000000111000000"},
      {' ', "000000000000000"}, {'.', "000000000000010"}, {'A', "010101111101101"}, {'B', "110101110101110"},
      {'C', "011100100100011"}, {'D', "110101101101110"}, {'E', "111100110100111"}, {'F', "111100110100100"},
      {'G', "011100101101011"}, {'H', "101101111101101"}, {'I', "111010010010111"}, {'J', "001001001101010"},
      {'K', "101101110101101"}, {'L', "100100100100111"}, {'M', "101111111101101"}, {'N', "110101101101101"},
      {'O', "010101101101010"}, {'P', "110101110100100"}, {'Q', "010101101110011"}, {'R', "110101110101101"},
      {'S', "011100010001110"}, {'T', "111010010010010"}, {'U', "101101101101111"}, {'V', "101101101101010"},
      {'W', "101101111111101"}, {'X', "101101010101101"}, {'Y', "101101010010010"}, {'Z', "111001010100111"},
  };
  return glyphs;
}

}  // namespace

void DrawLabel(RgbImage& image, int x, int y, const std::string& text, int scale, std::uint8_t r, std::uint8_t g,
               std::uint8_t b) {
  for (char c : text) {
    const auto it = Glyphs().find(c);
    const char* bits = it == Glyphs().end() ? Glyphs().at(' ') : it->second;
    for (int row = 0; row < 5; ++row)
      for (int col = 0; col < 3; ++col)
        if (bits[row * 3 + col] == '1')
          for (int dy = 0; dy < scale; ++dy)
            for (int dx = 0; dx < scale; ++dx) image.Set(x + col * scale + dx, y + row * scale + dy, r, g, b);
    x += 4 * scale;
  }
}

}  // namespace assetgen
