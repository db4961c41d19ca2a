#include "drawing/TextLine.h"

#include <algorithm>

#include "state/Game.h"

namespace {

// Writes the rendered letters into the strip starting at row top.
void WriteStrip(Surface& strip, const TextMask& mask, int top, int height, Pixel ink) {
  const int w = std::min(mask.Width, strip.Width());
  const int h = std::min(mask.Height, height);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (mask.On[static_cast<std::size_t>(y) * mask.Width + x]) strip.Set(x, top + y, ink);
    }
  }
}

}  // namespace

void DrawTextLine(Game& g, Surface& dest, const std::string& text, int x, int y, const TextStyle& style) {
  const std::string face = std::string(style.Face).substr(0, 31);
  const int h = std::clamp(style.Height, 1, 80);
  Surface& strip = g.TextStrip;

  strip.Fill(0, 0, strip.Width(), h, kBlack);
  strip.Fill(0, h, strip.Width(), strip.Height(), kMaskWhite);

  if (g.Text && !text.empty()) {
    const TextMask mask = g.Text->Render(face, h, text);
    WriteStrip(strip, mask, 0, h, FromColorRef(style.ColorRef));
    WriteStrip(strip, mask, h, h, kBlack);
  }

  for (int k = style.Copies; k >= 1; --k) {
    const int left = x + (k - 1) * style.ShadowStep;
    dest.Blit(strip, 0, h, strip.Width(), h, left, y, RasterOp::And);
    dest.Blit(strip, 0, 0, strip.Width(), h, left, y, RasterOp::Or);
  }
}
