#include "host/io/PictureHash.h"

#include <cstdint>
#include <vector>

#include "base/Sha256.h"
#include "drawing/ClientArea.h"
#include "state/Game.h"

std::string PictureHash(Game& g) {
  Surface picture;
  ComposeShownClientArea(g, picture);
  Sha256 hash;
  std::vector<std::uint8_t> row;
  for (int y = 0; y < picture.Height(); ++y) {
    row.clear();
    for (int x = 0; x < picture.Width(); ++x) {
      const Pixel p = picture.At(x, y);
      row.push_back(static_cast<std::uint8_t>(p >> 16));
      row.push_back(static_cast<std::uint8_t>(p >> 8));
      row.push_back(static_cast<std::uint8_t>(p));
    }
    hash.Add(row);
  }
  return hash.HexDigest();
}
