#include "host/text/GlyphText.h"

#include <algorithm>

#include "base/ByteReader.h"

namespace {

constexpr std::string_view kMagic = "VGLY";
constexpr std::string_view kGothicFace = "ＭＳ Ｐゴシック";

// Rounds down a number of 64ths to whole pixels.
int FloorPixels(long sixtyFourths) { return static_cast<int>(sixtyFourths >= 0 ? sixtyFourths / 64 : -((-sixtyFourths + 63) / 64)); }

int Index(char c) { return c - GlyphText::kFirst; }

}  // namespace

GlyphText::Font GlyphText::FontFor(std::string_view face) { return face == kGothicFace ? Font::Gothic : Font::Sans; }

bool GlyphText::Load(const std::vector<unsigned char>& bytes, const std::string& name, std::string& error) {
  ByteReader r(bytes);
  std::string magic;
  for (std::size_t i = 0; i < kMagic.size(); ++i) magic += static_cast<char>(r.Byte());
  if (!r.Ok() || magic != kMagic) {
    error = name + ": not a glyph file";
    return false;
  }
  const std::uint32_t sets = r.Little(2);
  for (std::uint32_t s = 0; s < sets && r.Ok(); ++s) {
    const std::uint8_t font = r.Byte();
    const int height = static_cast<int>(r.Little(2));
    if (font > static_cast<std::uint8_t>(Font::Gothic)) {
      error = name + ": unknown font " + std::to_string(font);
      return false;
    }
    Set set;
    for (TextMask& glyph : set.Glyphs) {
      glyph.Width = static_cast<int>(r.Little(2));
      glyph.Height = static_cast<int>(r.Little(2));
      const std::size_t size = static_cast<std::size_t>(glyph.Width) * glyph.Height;
      for (std::size_t i = 0; i < size && r.Ok(); ++i) glyph.On.push_back(r.Byte() ? 1 : 0);
    }
    for (int i = 0; i < kCount * kCount; ++i) {
      set.Step[i] = static_cast<std::int8_t>(r.Byte());
      set.Kerning[i] = static_cast<std::int16_t>(r.Little(2));
    }
    sets_[{static_cast<Font>(font), height}] = std::move(set);
  }
  if (!r.Ok() || !r.AtEnd()) {
    error = name + ": glyph file is cut short or has bytes after its end";
    return false;
  }
  return true;
}

TextMask GlyphText::Render(std::string_view face, int cellHeight, std::string_view text) {
  TextMask mask;
  const auto found = sets_.find({FontFor(face), cellHeight});
  if (found == sets_.end()) return mask;
  const Set& set = found->second;

  std::string line;
  std::copy_if(text.begin(), text.end(), std::back_inserter(line), [](char c) { return c >= kFirst && c <= kLast; });
  if (line.empty()) return mask;

  // Where each glyph starts: the whole steps, plus the kerning so far
  // rounded down.
  std::vector<int> left(line.size(), 0);
  int whole = 0;
  long kerning = 0;
  for (std::size_t i = 1; i < line.size(); ++i) {
    const int pair = Index(line[i - 1]) * kCount + Index(line[i]);
    whole += set.Step[pair] - FloorPixels(set.Kerning[pair]);
    kerning += set.Kerning[pair];
    left[i] = whole + FloorPixels(kerning);
  }
  for (std::size_t i = 0; i < line.size(); ++i) {
    const TextMask& glyph = set.Glyphs[Index(line[i])];
    mask.Width = std::max(mask.Width, left[i] + glyph.Width);
    mask.Height = std::max(mask.Height, glyph.Height);
  }
  mask.On.assign(static_cast<std::size_t>(mask.Width) * mask.Height, 0);
  for (std::size_t i = 0; i < line.size(); ++i) {
    const TextMask& glyph = set.Glyphs[Index(line[i])];
    for (int y = 0; y < glyph.Height; ++y) {
      for (int x = 0; x < glyph.Width; ++x) {
        const int to = left[i] + x;
        if (glyph.On[static_cast<std::size_t>(y) * glyph.Width + x] && to >= 0) {
          mask.On[static_cast<std::size_t>(y) * mask.Width + to] = 1;
        }
      }
    }
  }
  return mask;
}
