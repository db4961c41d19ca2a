#include "drawing/TextLine.h"

#include <algorithm>

#include "state/Game.h"

namespace {

// Writes the rendered letters into the strip starting at row top.
void WriteStrip(Surface& moji, const TextMask& mask, int top, int height, Pixel ink) {
  const int w = std::min(mask.Width, moji.Width());
  const int h = std::min(mask.Height, height);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (mask.On[static_cast<std::size_t>(y) * mask.Width + x]) moji.Set(x, top + y, ink);
    }
  }
}

}  // namespace

void DrawTextLine(Game& g, Surface& dest, const std::string& text, int x, int y, const TextStyle& style) {
  const std::string face = std::string(style.Face).substr(0, 31);
  const int h = std::clamp(style.Height, 1, 80);
  Surface& moji = g.MojiImage;

  moji.Fill(0, 0, moji.Width(), h, kBlack);
  moji.Fill(0, h, moji.Width(), moji.Height(), kMaskWhite);

  if (g.Text && !text.empty()) {
    const TextMask mask = g.Text->Render(face, h, text);
    WriteStrip(moji, mask, 0, h, FromColorRef(style.ColorRef));
    WriteStrip(moji, mask, h, h, kBlack);
  }

  for (int k = style.Copies; k >= 1; --k) {
    const int left = x + (k - 1) * style.ShadowStep;
    dest.Blit(moji, 0, h, moji.Width(), h, left, y, RasterOp::And);
    dest.Blit(moji, 0, 0, moji.Width(), h, left, y, RasterOp::Or);
  }
}
