#include "pair_kerning.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb-ft.h>
#include <hb.h>

#include <vector>

namespace {

constexpr int kPointSize64 = 64;  // point size 1 in 64ths

}  // namespace

PairKerning::PairKerning(const std::string& fontPath, unsigned resolution) {
  if (FT_Init_FreeType(&library_) != 0) return;
  FT_Face face = nullptr;
  if (FT_New_Face(library_, fontPath.c_str(), 0, &face) != 0) return;
  FT_Set_Char_Size(face, 0, kPointSize64, resolution, resolution);
  font_ = hb_ft_font_create_referenced(face);
  FT_Done_Face(face);  // the HarfBuzz font holds its own reference
  hb_ft_font_set_load_flags(font_, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL);
}

PairKerning::~PairKerning() {
  if (font_) hb_font_destroy(font_);
  if (library_) FT_Done_FreeType(library_);
}

std::vector<PairKerning::Position> PairKerning::Shape(const std::string& text) const {
  hb_buffer_t* buffer = hb_buffer_create();
  hb_buffer_add_utf8(buffer, text.c_str(), static_cast<int>(text.size()), 0, static_cast<int>(text.size()));
  hb_buffer_guess_segment_properties(buffer);
  hb_shape(font_, buffer, nullptr, 0);
  unsigned count = 0;
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
  std::vector<Position> shaped;
  for (unsigned i = 0; i < count; ++i) shaped.push_back({positions[i].x_advance, positions[i].x_offset});
  hb_buffer_destroy(buffer);
  return shaped;
}

// How far HarfBuzz puts the second glyph from the first, less the first
// one's advance alone: a pair's kerning may move the second glyph by an
// offset as well as shorten the first one's advance.
int PairKerning::Between(char first, char second) const {
  const std::vector<Position> pair = Shape(std::string{first, second});
  const std::vector<Position> alone = Shape(std::string(1, first));
  if (pair.size() != 2 || alone.size() != 1) return 0;
  return pair[0].Advance + pair[1].Offset - pair[0].Offset - alone[0].Advance;
}
