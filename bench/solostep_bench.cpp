// One frame of the one-player game on a busy stage, beside the two
// whole-field copies every frame makes anyway (view to composition surface,
// composition surface to screen). A frame should cost at most twice those.
#include <benchmark/benchmark.h>

#include <memory>

#include "play/SoloStep.h"
#include "stages/StartStage.h"
#include "state/Game.h"

namespace {

// Sheets with a picture in every cell, so every copy moves real pixels.
void FillSheets(Game& g) {
  g.SpriteSheet = Surface(320, 256);
  g.DuoSpriteSheet = Surface(320, 256);
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 320; ++x) {
      g.SpriteSheet.Set(x, y, Rgb(x, y, x ^ y));
      g.DuoSpriteSheet.Set(x, y, Rgb(y, x, x + y));
    }
  }
}

// The one-player stage with the most enemies, lifts and items, started with
// the character running right and jumping, and lives to spare.
void StartBusiestStage(Game& g) {
  int busiest = 1;
  int most = -1;
  for (int stage = 1; stage <= 10; ++stage) {
    g.StageNo = stage;
    StartStage(g);
    const int load = 4 * g.EnemyCount + 2 * g.LiftCount + g.ItemCount;
    if (load > most) {
      most = load;
      busiest = stage;
    }
  }
  g.StageNo = busiest;
  StartStage(g);
  g.Lives = 1000;
  g.KeyRight = 1;
  g.KeySpace = 1;
}

std::unique_ptr<Game> NewGame() {
  auto g = std::make_unique<Game>();
  SetUpGame(*g, 4711);
  g->TitleTimer.SetEnabled(false);
  FillSheets(*g);
  g->PlayMode = PlayMode::OnePlayer;
  return g;
}

void BM_SoloStepFrame(benchmark::State& state) {
  auto g = NewGame();
  StartBusiestStage(*g);
  state.SetLabel("stage " + std::to_string(g->StageNo) + ", " + std::to_string(g->EnemyCount) +
                 " enemies, " + std::to_string(g->ItemCount) + " items");
  for (auto _ : state) {
    SoloStep(*g);
    benchmark::DoNotOptimize(g->ShownField.Row(0));
    if (g->ItemsLeft <= 0 || g->Lives < 10 || !g->Timer1.Enabled) {
      state.PauseTiming();
      g->Timer1.SetEnabled(true);
      g->ClearTimer.SetEnabled(false);
      g->Timer2.SetEnabled(false);
      StartStage(*g);
      g->Lives = 1000;
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_SoloStepFrame);

void BM_CopyFieldTwice(benchmark::State& state) {
  auto g = NewGame();
  g->UncoveredImage.Fill(0, 0, kFieldWidth, kFieldHeight, Rgb(1, 2, 3));
  for (auto _ : state) {
    g->FrameImage.Blit(g->UncoveredImage, 0, 0);
    g->ShownField.Blit(g->FrameImage, 0, 0);
    benchmark::DoNotOptimize(g->ShownField.Row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_CopyFieldTwice);

}  // namespace
