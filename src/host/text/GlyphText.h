#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "state/Services.h"

// Lines of text put together from glyphs rendered beforehand, where the
// fonts themselves cannot be used (the browser). The glyphs and their
// spacing come from a file written on the build machine from the very fonts
// and renderer the desktop uses, so a line comes out with the desktop's
// pixels: each printable ASCII character's mask as a line of its own, and
// for each pair of characters how far the second one starts from the first
// in whole pixels and the pair's kerning in 64ths of a pixel; kerning is
// summed along the line and rounded down only where a glyph is placed, as
// the desktop's renderer does.
//
// The file ("VGLY" format, little-endian):
//   "VGLY", u16 number of sets, then each set:
//     u8 font (0 sans for "Arial" and any other face, 1 gothic for
//        "ＭＳ Ｐゴシック"), u16 cell height,
//     for each character 32..126: u16 width, u16 height, width × height
//        bytes of 0 or 1, row by row,
//     for each pair of characters 32..126 (first, then second):
//        i8 step, i16 kerning.
// Characters outside 32..126 are left out of a line.
class GlyphText : public TextRasterizer {
 public:
  static constexpr char kFirst = 32, kLast = 126;
  static constexpr int kCount = kLast - kFirst + 1;
  enum class Font : std::uint8_t { Sans = 0, Gothic = 1 };

  struct Set {
    std::array<TextMask, kCount> Glyphs;
    std::array<std::int8_t, kCount * kCount> Step{};
    std::array<std::int16_t, kCount * kCount> Kerning{};
  };

  // Reads the file's bytes; false with what is wrong, naming name.
  bool Load(const std::vector<unsigned char>& bytes, const std::string& name, std::string& error);
  TextMask Render(std::string_view face, int cellHeight, std::string_view text) override;

  static Font FontFor(std::string_view face);

 private:
  std::map<std::pair<Font, int>, Set> sets_;
};
