// Composing the client area for one present, beside one whole-field copy:
// the window does this only when the picture changed, at most once a frame.
#include <benchmark/benchmark.h>

#include <memory>

#include "drawing/ClientArea.h"
#include "drawing/PaletteTags.h"

namespace {

// Text as cheap as a cached mask: a fixed 6 x 12 block per character.
class BlockText : public TextRasterizer {
 public:
  TextMask Render(std::string_view, int cellHeight, std::string_view text) override {
    TextMask m;
    m.Width = static_cast<int>(text.size()) * 6;
    m.Height = cellHeight;
    m.On.assign(static_cast<std::size_t>(m.Width) * m.Height, 1);
    return m;
  }
};

void BM_ComposeShownClientArea(benchmark::State& state) {
  auto g = std::make_unique<Game>();
  BlockText text;
  g->Text = &text;
  g->ScoreBox = "12340";
  g->HiScoreBox = "56780";
  g->StageCaption = {"STAGE 8", "SLOPE PANIC!"};
  Surface out;
  for (auto _ : state) {
    ComposeShownClientArea(*g, out);
    benchmark::DoNotOptimize(out.Row(0));
  }
}
BENCHMARK(BM_ComposeShownClientArea);

void BM_WholeFieldCopy(benchmark::State& state) {
  auto g = std::make_unique<Game>();
  for (auto _ : state) {
    g->ShownField.Blit(g->FrameImage, 0, 0);
    benchmark::DoNotOptimize(g->ShownField.Row(0));
  }
}
BENCHMARK(BM_WholeFieldCopy);

void BM_ResolvePaletteTags(benchmark::State& state) {
  auto g = std::make_unique<Game>();
  Surface picture(kClientWidth, kClientHeight, 0x17000000);
  for (auto _ : state) {
    Surface copy = picture;
    ResolvePaletteTags(copy, g->DuoPalette);
    benchmark::DoNotOptimize(copy.Row(0));
  }
}
BENCHMARK(BM_ResolvePaletteTags);

}  // namespace
