#include "platform/TtfText.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>

namespace {

constexpr int kPointSize = 1;            // sizes are chosen through the resolution
constexpr unsigned kMaxDpi = 72 * 400;   // up to 400-pixel em squares
constexpr std::size_t kRenderedLimit = 512;

const char* PathForFace(std::string_view face) {
  if (face == "ＭＳ Ｐゴシック") return kGothicFontPath;
  return kSansFontPath;
}

bool FontOpens(const char* path, std::string& error) {
  TTF_Font* font = TTF_OpenFont(path, 12);
  if (!font) {
    error = std::string("cannot open font ") + path + ": " + TTF_GetError();
    return false;
  }
  TTF_CloseFont(font);
  return true;
}

}  // namespace

TtfText::~TtfText() {
  for (auto& [key, font] : fonts_) TTF_CloseFont(font);
  TTF_Quit();
}

std::unique_ptr<TtfText> TtfText::Create(std::string& error) {
  if (TTF_Init() != 0) {
    error = std::string("cannot start SDL2_ttf: ") + TTF_GetError();
    return nullptr;
  }
  std::unique_ptr<TtfText> text(new TtfText);
  if (!FontOpens(kSansFontPath, error) || !FontOpens(kGothicFontPath, error)) return nullptr;
  return text;
}

// A binary search over the font's own metrics.
unsigned FitResolution(TTF_Font* font, int cellHeight) {
  unsigned lo = 1, hi = kMaxDpi;
  while (lo < hi) {
    const unsigned mid = (lo + hi + 1) / 2;
    TTF_SetFontSizeDPI(font, kPointSize, mid, mid);
    if (TTF_FontHeight(font) <= cellHeight) lo = mid;
    else hi = mid - 1;
  }
  TTF_SetFontSizeDPI(font, kPointSize, lo, lo);
  return lo;
}

TTF_Font* TtfText::FontFor(const std::string& path, int cellHeight) {
  const auto key = std::make_pair(path, cellHeight);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  TTF_Font* font = TTF_OpenFontDPI(path.c_str(), kPointSize, 72, 72);
  if (!font) return nullptr;
  FitResolution(font, cellHeight);
  fonts_[key] = font;
  return font;
}

TextMask TtfText::Render(std::string_view face, int cellHeight, std::string_view text) {
  const std::string path = PathForFace(face);
  auto key = std::make_tuple(path, cellHeight, std::string(text));
  if (auto it = rendered_.find(key); it != rendered_.end()) return it->second;

  TextMask mask;
  TTF_Font* font = FontFor(path, cellHeight);
  if (!font || text.empty()) return mask;
  const std::string line(text);
  SDL_Surface* s = TTF_RenderUTF8_Solid(font, line.c_str(), SDL_Color{255, 255, 255, 255});
  if (!s) return mask;
  // A glyph reaching below the cell (a descender rounded down in the font's
  // metrics) makes the rendering taller; the cell keeps its height, with the
  // baseline where the font's ascent puts it.
  mask.Width = s->w;
  mask.Height = std::min(s->h, cellHeight);
  mask.On.assign(static_cast<std::size_t>(mask.Width) * mask.Height, 0);
  SDL_LockSurface(s);
  for (int y = 0; y < mask.Height; ++y) {
    const auto* row = static_cast<const Uint8*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch;
    for (int x = 0; x < s->w; ++x) mask.On[static_cast<std::size_t>(y) * s->w + x] = row[x] != 0 ? 1 : 0;
  }
  SDL_UnlockSurface(s);
  SDL_FreeSurface(s);

  if (rendered_.size() >= kRenderedLimit) rendered_.clear();
  rendered_.emplace(std::move(key), mask);
  return mask;
}
