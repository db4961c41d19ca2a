#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "state/Services.h"

typedef struct _TTF_Font TTF_Font;

// The resolution (dots per inch, at point size 1) at which font's cell,
// ascent plus descent, is as tall as it can be without passing cellHeight.
// Leaves font at that size.
unsigned FitResolution(TTF_Font* font, int cellHeight);

// The fonts standing in for the faces the game names.
constexpr const char* kSansFontPath = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
constexpr const char* kGothicFontPath = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf";

// Text through SDL2_ttf, rendered solid (no anti-aliasing): "Arial" is drawn
// with Liberation Sans, "ＭＳ Ｐゴシック" with IPA P Gothic, any other face
// with Liberation Sans. Each requested cell height gets the font size whose
// ascent plus descent is exactly that many pixels, found from the font's own
// metrics. Works without SDL video.
class TtfText : public TextRasterizer {
 public:
  ~TtfText() override;
  // Starts SDL2_ttf and checks that both fonts open; nullptr with a
  // one-line reason otherwise.
  static std::unique_ptr<TtfText> Create(std::string& error);

  TextMask Render(std::string_view face, int cellHeight, std::string_view text) override;

 private:
  TtfText() = default;
  TTF_Font* FontFor(const std::string& path, int cellHeight);

  std::map<std::pair<std::string, int>, TTF_Font*> fonts_;
  std::map<std::tuple<std::string, int, std::string>, TextMask> rendered_;
};
