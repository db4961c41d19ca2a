#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "state/Services.h"

// How a stand-in letter looks.
enum class LetterShape {
  // The whole cell is ink, so the colour of a line can be read back off the
  // surface and drawing touches the rows and columns a real font would.
  Block,
  // A 2-pixel bar in the middle columns, from row 1 to the second-last row,
  // so a test knows exactly which pixels are letters and which are not.
  Bar,
};

// Stands in for the fonts: writes down every line of text asked for (and the
// face of the last) and renders each character as one letter of the given
// width and shape.
class TextLog : public TextRasterizer {
 public:
  static constexpr int kBlockWidth = 8;
  static constexpr int kBarWidth = 4;

  explicit TextLog(int letterWidth = kBlockWidth, LetterShape shape = LetterShape::Block);

  TextMask Render(std::string_view face, int cellHeight, std::string_view text) override;

  // Whether a line of that text was drawn.
  bool Drew(const std::string& line) const;
  // Whether (x, y) of a line of length characters drawn at the origin is ink.
  bool IsInk(int x, int y, int length, int cellHeight) const;

  std::vector<std::string> Lines;
  std::string LastFace;

 private:
  int letterWidth_;
  LetterShape shape_;
};
