#pragma once

// Every cell of the two sheets that the game draws, by its top-left corner.

#include <vector>

namespace sheet_cells {

struct Cell {
  int x, y;
};

// A masked sprite: the mask is ANDed, then the picture ORed.
struct SpritePair {
  Cell mask, picture;
};

inline std::vector<SpritePair> OnePlayerSprites() {
  std::vector<SpritePair> pairs;
  for (int x = 0; x <= 288; x += 32) {
    pairs.push_back({{x, 32}, {x, 64}});   // hero walking, jumping, climbing
    pairs.push_back({{x, 96}, {x, 128}});  // ghost; hero tumbling after a miss
  }
  for (int x : {0, 32, 64}) pairs.push_back({{x, 160}, {x, 192}});            // creature, spark
  for (int x = 96; x <= 256; x += 32) pairs.push_back({{x, 192}, {x, 224}});  // car
  pairs.push_back({{288, 160}, {288, 192}});                                  // lift
  return pairs;
}

// Pictures drawn with OR alone: the title parade and the lives icon.
inline std::vector<Cell> OnePlayerOrOnly() {
  return {{64, 128}, {96, 128}, {0, 192}, {32, 192}, {64, 192}, {0, 224}, {192, 128}};
}

// Tiles and items copied opaquely (the black tile at (288, 0) apart).
inline std::vector<Cell> OnePlayerTiles() {
  return {{0, 0},   {32, 0},  {64, 0},   {96, 0},    {128, 0},   {160, 0},   {192, 0},
          {224, 0}, {256, 0}, {96, 160}, {128, 160}, {160, 160}, {224, 160}, {256, 160}};
}

// The two-player tiles tinted through palette entries 22 to 24 (blue, for
// player 1) and 25 to 27 (red, for player 2).
inline std::vector<Cell> BlueTintedCells() {
  std::vector<Cell> cells;
  for (int x = 0; x <= 256; x += 32) cells.push_back({x, 0});
  cells.push_back({0, 96});
  return cells;
}

inline std::vector<Cell> RedTintedCells() {
  std::vector<Cell> cells;
  for (int x = 0; x <= 256; x += 32) cells.push_back({x, 32});
  cells.push_back({0, 128});
  return cells;
}

}  // namespace sheet_cells
