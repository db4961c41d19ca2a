#include "SoakSheets.h"

#include "drawing/BmpDecode.h"
#include "host/io/Sheets.h"
#include "state/Game.h"

namespace {

constexpr int kSheetWidth = 320;
constexpr int kSheetHeight = 256;

// Every 8-pixel square in its own colour, with mask white on the odd ones.
Surface PatternSheet(int width, int height) {
  Surface s(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int square = (x / 8) + (y / 8) * (width / 8);
      s.Set(x, y, square % 2 ? kMaskWhite : Rgb(square * 7, square * 13, square * 29));
    }
  }
  return s;
}

}  // namespace

bool LoadSoakSheets(Game& g, const std::string& dir, std::string& error) {
  if (dir.empty()) {
    g.SpriteSheet = PatternSheet(kSheetWidth, kSheetHeight);
    g.DuoSpriteSheet = PatternSheet(kSheetWidth, kSheetHeight);
    g.TitleLogo = PatternSheet(kSheetWidth, 96);
    return true;
  }
  return LoadSheets(g, dir, error);
}
