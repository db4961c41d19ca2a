#include <benchmark/benchmark.h>

#include <memory>

#include "stages/BuildDuoStage.h"
#include "stages/BuildStage1.h"
#include "stages/BuildStage10.h"
#include "stages/BuildStage2.h"
#include "stages/BuildStage3.h"
#include "stages/BuildStage4.h"
#include "stages/BuildStage5.h"
#include "stages/BuildStage6.h"
#include "stages/BuildStage7.h"
#include "stages/BuildStage8.h"
#include "stages/BuildStage9.h"
#include "stages/MapQueries.h"

namespace {

using Builder = void (*)(Game&);

void BuildFromChangingStates(benchmark::State& state, Builder build) {
  auto g = std::make_unique<Game>();
  std::uint32_t seed = 305419896;
  for (auto _ : state) {
    g->RandomSeed = seed;
    build(*g);
    seed = seed * 2654435761u + 1u;
    benchmark::DoNotOptimize(g->MapData);
  }
}

BENCHMARK_CAPTURE(BuildFromChangingStates, Stage1, BuildStage1);
BENCHMARK_CAPTURE(BuildFromChangingStates, Stage2, BuildStage2);
BENCHMARK_CAPTURE(BuildFromChangingStates, Stage3, BuildStage3);
BENCHMARK_CAPTURE(BuildFromChangingStates, Stage4, BuildStage4);
BENCHMARK_CAPTURE(BuildFromChangingStates, Stage5, BuildStage5);
BENCHMARK_CAPTURE(BuildFromChangingStates, Stage6, BuildStage6);
BENCHMARK_CAPTURE(BuildFromChangingStates, Stage7, BuildStage7);
BENCHMARK_CAPTURE(BuildFromChangingStates, Stage8, BuildStage8);
BENCHMARK_CAPTURE(BuildFromChangingStates, Stage9, BuildStage9);
BENCHMARK_CAPTURE(BuildFromChangingStates, Stage10, BuildStage10);
BENCHMARK_CAPTURE(BuildFromChangingStates, Duo, BuildDuoStage);

// One frame's worth of questions and more: every query at 1,000 positions
// spread over the field of a hilly stage.
void QueryBurst(benchmark::State& state) {
  auto g = std::make_unique<Game>();
  g->RandomSeed = 305419896;
  BuildStage8(*g);
  for (auto _ : state) {
    i32 sum = 0;
    for (i32 k = 0; k < 1000; ++k) {
      const i32 x = (k * 37) % 529;
      const i32 y = (k * 53) % 457;
      const i32 dir = (k & 1) ? 1 : -1;
      sum += IsLadder(*g, x, y, dir) + MustFall(*g, x, y) + SlopeAt(*g, x, y) + IsOnSpikes(*g, x, y) +
             HitsWallX(*g, x, y, dir) + HitsWallY(*g, x, y, -dir) + IsOpenX(*g, x, y, dir) +
             BounceCheck(*g, x, y, dir, -dir);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 8000);
}
BENCHMARK(QueryBurst);

void EnemyOverlapOfAFullTable(benchmark::State& state) {
  auto g = std::make_unique<Game>();
  g->EnemyCount = 50;
  for (i32 i = 0; i < 50; ++i) {
    g->EnemyX[i] = (i * 97) % 529;
    g->EnemyY[i] = (i * 61) % 457;
  }
  for (auto _ : state) {
    i32 sum = 0;
    for (i32 i = 0; i < 50; ++i) sum += EnemyOverlap(*g, i);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(EnemyOverlapOfAFullTable);

}  // namespace
