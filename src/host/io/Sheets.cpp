#include "host/io/Sheets.h"

#include <filesystem>

#include "base/FileBytes.h"
#include "drawing/BmpDecode.h"
#include "state/Game.h"

namespace {

bool LoadSheet(const std::string& dir, const char* name, PaletteTags tags, Surface& sheet, std::string& error) {
  const std::string path = (std::filesystem::path(dir) / name).string();
  std::vector<unsigned char> bytes;
  std::string why;
  BmpImage image;
  if (!ReadFileBytes(path, bytes, error)) return false;
  if (!DecodeBmp(bytes, tags, image, why)) {
    error = path + ": " + why;
    return false;
  }
  sheet = std::move(image.Picture);
  return true;
}

}  // namespace

bool LoadSheets(Game& g, const std::string& dir, std::string& error) {
  return LoadSheet(dir, "ChrImage.bmp", PaletteTags::None, g.SpriteSheet, error) &&
         LoadSheet(dir, "Chr2Image.bmp", PaletteTags::DuoColours, g.DuoSpriteSheet, error) &&
         LoadSheet(dir, "TitleImage.bmp", PaletteTags::None, g.TitleLogo, error);
}
