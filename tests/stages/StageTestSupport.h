#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "state/Game.h"

namespace stagetest {

constexpr int kSeedsPerBuilder = 1000;

// Spread-out generator states for property runs.
inline std::uint32_t SeedNo(int k) { return 0x9E3779B9u * static_cast<std::uint32_t>(k) + 12345u; }

inline int CountCells(const Game& g, Tile tile) {
  int n = 0;
  for (int c = 0; c <= 22; ++c)
    for (int r = 0; r <= 19; ++r) n += g.MapData[c][r] == tile;
  return n;
}

inline bool RowIs(const Game& g, int row, Tile tile) {
  for (int c = 0; c <= 22; ++c)
    if (g.MapData[c][row] != tile) return false;
  return true;
}

// Builds one stage from each of kSeedsPerBuilder states on one reused game
// and hands it to check.
inline void ForManySeeds(void (*build)(Game&), const std::function<void(const Game&)>& check) {
  auto g = std::make_unique<Game>();
  for (int k = 0; k < kSeedsPerBuilder; ++k) {
    g->RandomSeed = SeedNo(k);
    build(*g);
    check(*g);
  }
}

}  // namespace stagetest
