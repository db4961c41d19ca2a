#include "preview.h"

#include <algorithm>
#include <cctype>

#include "label_font.h"
#include "png_writer.h"

namespace assetgen {

namespace {

constexpr int kScale = 3;
constexpr int kMargin = 24;
constexpr int kHeading = 28;
constexpr int kPitch = 32;

void Blit(RgbImage& out, int left, int top, const IndexedImage& image, const PaletteColours& palette) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = palette[image.at(x, y)];
      for (int dy = 0; dy < kScale; ++dy)
        for (int dx = 0; dx < kScale; ++dx) out.Set(left + x * kScale + dx, top + y * kScale + dy, c.r, c.g, c.b);
    }
}

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

void DrawGrid(RgbImage& out, int left, int top, const IndexedImage& sheet) {
  for (int cy = 0; cy < sheet.height; cy += kPitch)
    for (int cx = 0; cx < sheet.width; cx += kPitch) {
      const int x0 = left + cx * kScale, y0 = top + cy * kScale, size = kPitch * kScale;
      for (int i = 0; i < size; ++i) {
        out.Set(x0 + i, y0, 150, 40, 150);
        out.Set(x0, y0 + i, 150, 40, 150);
      }
      DrawLabel(out, x0 + 4, y0 + 24 * kScale + 8, std::to_string(cx) + "," + std::to_string(cy), 2, 255, 210, 90);
    }
}

}  // namespace

void WritePreview(const std::filesystem::path& path, const std::vector<NamedPicture>& sheets,
                  const NamedPicture& logo) {
  int width = kMargin, sheetHeight = 0;
  for (const auto& s : sheets) {
    width += s.image.width * kScale + kMargin;
    sheetHeight = std::max(sheetHeight, s.image.height * kScale);
  }
  width = std::max(width, logo.image.width * kScale + 2 * kMargin);
  const int logoTop = kMargin + kHeading + sheetHeight + kMargin + kHeading;
  RgbImage out(width, logoTop + logo.image.height * kScale + kMargin);
  std::fill(out.rgb.begin(), out.rgb.end(), std::uint8_t(40));

  int left = kMargin;
  for (const auto& s : sheets) {
    DrawLabel(out, left, kMargin, Upper(s.name), 3, 230, 230, 230);
    Blit(out, left, kMargin + kHeading, s.image, s.palette);
    DrawGrid(out, left, kMargin + kHeading, s.image);
    left += s.image.width * kScale + kMargin;
  }
  DrawLabel(out, kMargin, logoTop - kHeading, Upper(logo.name), 3, 230, 230, 230);
  Blit(out, kMargin, logoTop, logo.image, logo.palette);
  WritePng(path, out);
}

}  // namespace assetgen
