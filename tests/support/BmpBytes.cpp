#include "support/BmpBytes.h"

namespace {

void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> SmallBmp(bool topDown, int bits, int compression, int colours) {
  const int width = 3, height = 2, stride = 4;
  std::vector<std::uint8_t> rows[2] = {{1, 22, 255, 0}, {27, 0, 1, 0}};
  std::vector<std::uint8_t> b{'B', 'M'};
  const std::uint32_t offset = 14 + 40 + colours * 4;
  Put32(b, offset + stride * height);
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, width);
  Put32(b, static_cast<std::uint32_t>(topDown ? -height : height));
  Put16(b, 1);
  Put16(b, bits);
  Put32(b, compression);
  Put32(b, stride * height);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, colours == 256 ? 0 : colours);
  Put32(b, 0);
  for (int i = 0; i < colours; ++i) {
    int r = 128, g = 128, bl = 128;
    if (i == 0) r = g = bl = 0;
    if (i == 1) r = 255, g = 0, bl = 0;
    if (i == 22) r = 0, g = 0, bl = 60;
    if (i == 27) r = 55, g = 0, bl = 0;
    if (i == 255) r = g = bl = 255;
    b.insert(b.end(), {static_cast<std::uint8_t>(bl), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r), 0});
  }
  for (int y = 0; y < height; ++y) {
    const auto& row = rows[topDown ? y : height - 1 - y];
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}
