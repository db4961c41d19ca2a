#include "platform/MenuGlyphs.h"

#include <string_view>
#include <vector>

#include "host/text/MenuCaptions.h"
#include "host/text/RecordCaptions.h"

namespace {

constexpr ImWchar kPrintableAscii[] = {0x20, 0x7E, 0};

void AddTexts(ImFontGlyphRangesBuilder& builder, const std::vector<std::string_view>& texts) {
  for (std::string_view t : texts) builder.AddText(t.data(), t.data() + t.size());
}

}  // namespace

ImVector<ImWchar> MenuGlyphRanges() {
  ImFontGlyphRangesBuilder builder;
  builder.AddRanges(kPrintableAscii);
  AddTexts(builder, AllCaptionTexts());
  AddTexts(builder, AllRecordCaptionTexts());
  ImVector<ImWchar> ranges;
  builder.BuildRanges(&ranges);
  return ranges;
}
