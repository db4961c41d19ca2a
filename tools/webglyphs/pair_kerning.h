#pragma once

#include <string>
#include <vector>

// The kerning HarfBuzz puts between two characters, in 64ths of a pixel, for
// the font file at point size 1 and the given resolution: the desktop's text
// renderer shapes lines with HarfBuzz at that size.
class PairKerning {
 public:
  PairKerning(const std::string& fontPath, unsigned resolution);
  ~PairKerning();
  PairKerning(const PairKerning&) = delete;
  PairKerning& operator=(const PairKerning&) = delete;

  bool Ok() const { return font_ != nullptr; }
  int Between(char first, char second) const;

 private:
  struct Position {
    int Advance;
    int Offset;
  };
  std::vector<Position> Shape(const std::string& text) const;

  struct FT_LibraryRec_* library_ = nullptr;
  struct hb_font_t* font_ = nullptr;
};
