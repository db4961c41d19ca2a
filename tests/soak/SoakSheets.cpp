#include "SoakSheets.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "shell/BmpDecode.h"
#include "shell/Game.h"

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

bool LoadSheet(const std::string& dir, const char* name, PaletteTags tags, Surface& sheet, std::string& error) {
  const std::string path = (std::filesystem::path(dir) / name).string();
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot be opened";
    return false;
  }
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  BmpImage image;
  std::string why;
  if (!DecodeBmp(bytes, tags, image, why)) {
    error = path + ": " + why;
    return false;
  }
  sheet = std::move(image.Picture);
  return true;
}

}  // namespace

bool LoadSoakSheets(Game& g, const std::string& dir, std::string& error) {
  if (dir.empty()) {
    g.ChrImage = PatternSheet(kSheetWidth, kSheetHeight);
    g.Chr2Image = PatternSheet(kSheetWidth, kSheetHeight);
    g.TitleImage = PatternSheet(kSheetWidth, 96);
    return true;
  }
  return LoadSheet(dir, "ChrImage.bmp", PaletteTags::None, g.ChrImage, error) &&
         LoadSheet(dir, "Chr2Image.bmp", PaletteTags::DuoColours, g.Chr2Image, error) &&
         LoadSheet(dir, "TitleImage.bmp", PaletteTags::None, g.TitleImage, error);
}
