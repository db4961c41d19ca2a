#include "drawing/ClientArea.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "drawing/PaletteTags.h"

namespace {

constexpr Pixel kWindowWhite = Rgb(255, 255, 255);
constexpr Pixel kShadow = Rgb(128, 128, 128);
constexpr Pixel kDarkShadow = Rgb(0, 0, 0);
constexpr Pixel kLight = Rgb(223, 223, 223);
constexpr Pixel kHighlight = Rgb(255, 255, 255);
constexpr Pixel kLabelText = Rgb(0, 0, 0);
constexpr Pixel kGrayText = Rgb(128, 128, 128);
constexpr int kBorder = 2;

struct Box {
  int X0, Y0, X1, Y1;  // right and bottom exclusive
};

// Writes a line of the form's font at (x, y), only inside clip.
void DrawText(Game& g, Surface& out, std::string_view text, int x, int y, Box clip, Pixel ink) {
  if (!g.Text || text.empty()) return;
  const TextMask mask = g.Text->Render(kFormFont, kFormFontHeight, text);
  const int x0 = std::max(clip.X0, x), x1 = std::min(clip.X1, x + mask.Width);
  const int y0 = std::max(clip.Y0, y), y1 = std::min(clip.Y1, y + mask.Height);
  for (int py = y0; py < y1; ++py) {
    for (int px = x0; px < x1; ++px) {
      if (mask.On[static_cast<std::size_t>(py - y) * mask.Width + (px - x)]) out.Set(px, py, ink);
    }
  }
}

void DrawLabel(Game& g, Surface& out, std::string_view text, int x, int y) {
  DrawText(g, out, text, x, y, Box{0, 0, out.Width(), out.Height()}, kLabelText);
}

// The sunken two-pixel edge of a text box, and its white inside; returns the
// inside.
Box DrawSunkenBox(Surface& out, int x, int y, int w, int h) {
  const int r = x + w, b = y + h;
  out.Fill(x, y, r, b, kHighlight);
  out.Fill(x, y, r - 1, b - 1, kShadow);
  out.Fill(x + 1, y + 1, r - 1, b - 1, kLight);
  out.Fill(x + 1, y + 1, r - 2, b - 2, kDarkShadow);
  const Box inside{x + kBorder, y + kBorder, r - kBorder, b - kBorder};
  out.Fill(inside.X0, inside.Y0, inside.X1, inside.Y1, kWindowWhite);
  return inside;
}

// A disabled one-line text box: its text greyed, one pixel in from the edge.
void DrawNumberBox(Game& g, Surface& out, const std::string& text, int x, int y) {
  const Box inside = DrawSunkenBox(out, x, y, kEditWidth, kEditHeight);
  DrawText(g, out, text, inside.X0 + 1, inside.Y0 + 1, inside, kGrayText);
}

int TextWidth(Game& g, std::string_view text) {
  return g.Text ? g.Text->Render(kFormFont, kFormFontHeight, text).Width : 0;
}

// Breaks a line at spaces so that each piece fits width, as a word-wrapping
// text box does; a single word wider than the box stays whole.
std::vector<std::string> WrapLine(Game& g, const std::string& line, int width) {
  std::vector<std::string> pieces;
  std::string current;
  std::size_t at = 0;
  while (at <= line.size()) {
    const std::size_t space = std::min(line.find(' ', at), line.size());
    const std::string word = line.substr(at, space - at);
    const std::string longer = current.empty() ? word : current + " " + word;
    if (!current.empty() && TextWidth(g, longer) > width) {
      pieces.push_back(current);
      current = word;
    } else {
      current = longer;
    }
    at = space + 1;
  }
  pieces.push_back(current);
  return pieces;
}

// The disabled multi-line box with the stage caption, its lines wrapped at
// the box's width.
void DrawStageCaption(Game& g, Surface& out) {
  const Box inside = DrawSunkenBox(out, kStageCaptionX, kStageCaptionY, kStageCaptionWidth, kStageCaptionHeight);
  const int left = inside.X0 + 1;
  int y = inside.Y0;
  for (const std::string& line : g.StageCaption) {
    for (const std::string& piece : WrapLine(g, line, inside.X1 - left - 1)) {
      if (y >= inside.Y1) return;
      DrawText(g, out, piece, left, y, inside, kGrayText);
      y += kFormFontHeight;
    }
  }
}

}  // namespace

void ComposeClientArea(Game& g, Surface& out) {
  if (out.Width() != kClientWidth || out.Height() != kClientHeight) out = Surface(kClientWidth, kClientHeight);
  // The face colour goes round the play field, which covers the rest.
  const int fieldRight = kShownFieldX + g.ShownField.Width(), fieldBottom = kShownFieldY + g.ShownField.Height();
  out.Fill(0, 0, kClientWidth, kShownFieldY, kFaceColour);
  out.Fill(0, kShownFieldY, kShownFieldX, fieldBottom, kFaceColour);
  out.Fill(fieldRight, kShownFieldY, kClientWidth, fieldBottom, kFaceColour);
  out.Fill(0, fieldBottom, kClientWidth, kClientHeight, kFaceColour);
  out.Blit(g.ShownField, kShownFieldX, kShownFieldY);

  DrawLabel(g, out, "Rest", kLivesLabelX, kLivesLabelY);
  out.Blit(g.LivesImage, kLivesImageX, kLivesImageY);

  DrawLabel(g, out, "SCORE", kScoreLabelX, kScoreLabelY);
  DrawNumberBox(g, out, g.ScoreBox, kScoreBoxX, kScoreBoxY);
  out.Blit(g.ScoreBar, kScoreBarX, kScoreBarY);

  DrawLabel(g, out, "HIGH SCORE", kHiLabelX, kHiLabelY);
  DrawNumberBox(g, out, g.HiScoreBox, kHiScoreBoxX, kHiScoreBoxY);
  out.Blit(g.HiScoreBar, kHiScoreBarX, kHiScoreBarY);

  DrawStageCaption(g, out);
}

void ComposeShownClientArea(Game& g, Surface& out) {
  ComposeClientArea(g, out);
  ResolvePaletteTags(out, g.DuoPalette);
}
