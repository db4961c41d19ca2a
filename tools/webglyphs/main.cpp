// Writes the glyph file the browser draws text from (see host/text/GlyphText.h):
// every printable ASCII character of both fonts at the cell heights the game
// uses, rendered by the desktop's own text code, and the spacing of every
// pair of characters as that code lays them out.
// Usage: velmorane-webglyphs OUT
#include <SDL_ttf.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "host/text/GlyphText.h"
#include "pair_kerning.h"
#include "platform/TtfText.h"

namespace {

struct FontSet {
  GlyphText::Font Font;
  const char* Face;
  const char* Path;
  int CellHeight;
};

// The form's font and the heights of the play field's lines and banners.
constexpr FontSet kSets[] = {
    {GlyphText::Font::Gothic, "ＭＳ Ｐゴシック", kGothicFontPath, 12},
    {GlyphText::Font::Sans, "Arial", kSansFontPath, 20},
    {GlyphText::Font::Sans, "Arial", kSansFontPath, 25},
};
constexpr int kWidestStep = 64;  // no pair of glyphs at these sizes is further apart

class Out {
 public:
  void Unsigned(std::uint32_t v, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<char>(v >> (8 * i)));
  }
  std::string bytes;
};

bool SameMask(const TextMask& a, const TextMask& b) { return a.Width == b.Width && a.Height == b.Height && a.On == b.On; }

// The two glyphs side by side, the second step pixels right of the first.
TextMask Pair(const TextMask& a, const TextMask& b, int step) {
  TextMask m;
  m.Width = std::max(a.Width, step + b.Width);
  m.Height = std::max(a.Height, b.Height);
  m.On.assign(static_cast<std::size_t>(m.Width) * m.Height, 0);
  for (const auto& [glyph, left] : {std::pair{&a, 0}, std::pair{&b, step}}) {
    for (int y = 0; y < glyph->Height; ++y) {
      for (int x = 0; x < glyph->Width; ++x) {
        if (glyph->On[static_cast<std::size_t>(y) * glyph->Width + x] && left + x >= 0) {
          m.On[static_cast<std::size_t>(y) * m.Width + left + x] = 1;
        }
      }
    }
  }
  return m;
}

bool WriteSet(TtfText& text, const FontSet& set, Out& out) {
  TTF_Font* sized = TTF_OpenFontDPI(set.Path, 1, 72, 72);
  if (!sized) {
    std::cerr << "velmorane-webglyphs: cannot open " << set.Path << '\n';
    return false;
  }
  const unsigned resolution = FitResolution(sized, set.CellHeight);
  TTF_CloseFont(sized);
  const PairKerning kerning(set.Path, resolution);
  if (!kerning.Ok()) {
    std::cerr << "velmorane-webglyphs: HarfBuzz cannot open " << set.Path << '\n';
    return false;
  }

  out.Unsigned(static_cast<std::uint8_t>(set.Font), 1);
  out.Unsigned(static_cast<std::uint32_t>(set.CellHeight), 2);
  std::vector<TextMask> glyphs;
  for (char c = GlyphText::kFirst; c <= GlyphText::kLast; ++c) {
    glyphs.push_back(text.Render(set.Face, set.CellHeight, std::string(1, c)));
    const TextMask& g = glyphs.back();
    out.Unsigned(static_cast<std::uint32_t>(g.Width), 2);
    out.Unsigned(static_cast<std::uint32_t>(g.Height), 2);
    for (const std::uint8_t on : g.On) out.Unsigned(on, 1);
  }
  for (char a = GlyphText::kFirst; a <= GlyphText::kLast; ++a) {
    for (char b = GlyphText::kFirst; b <= GlyphText::kLast; ++b) {
      const TextMask both = text.Render(set.Face, set.CellHeight, std::string{a, b});
      const TextMask& first = glyphs[a - GlyphText::kFirst];
      const TextMask& second = glyphs[b - GlyphText::kFirst];
      int step = -kWidestStep;
      while (step <= kWidestStep && !SameMask(Pair(first, second, step), both)) ++step;
      if (step > kWidestStep) {
        std::cerr << "velmorane-webglyphs: the pair '" << a << b << "' of " << set.Face << " at " << set.CellHeight
                  << " pixels is not two glyphs side by side\n";
        return false;
      }
      out.Unsigned(static_cast<std::uint8_t>(static_cast<std::int8_t>(step)), 1);
      out.Unsigned(static_cast<std::uint16_t>(static_cast<std::int16_t>(kerning.Between(a, b))), 2);
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: velmorane-webglyphs OUT\n";
    return 2;
  }
  std::string error;
  auto text = TtfText::Create(error);
  if (!text) {
    std::cerr << "velmorane-webglyphs: " << error << '\n';
    return 1;
  }
  Out out;
  out.bytes = "VGLY";
  out.Unsigned(std::size(kSets), 2);
  for (const FontSet& set : kSets) {
    if (!WriteSet(*text, set, out)) return 1;
  }
  std::ofstream file(argv[1], std::ios::binary);
  file << out.bytes;
  if (!file.flush()) {
    std::cerr << "velmorane-webglyphs: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
