#pragma once

#include <cstdint>

// What one cell of the stage grid (Game::MapData) holds. The numbers are the
// codes of the original design; the state dump and the stage print show
// them, so they must not change.
enum class Tile : std::int32_t {
  Empty = 0,
  Wall = 1,
  Ladder = 2,
  Spikes = 3,
  RoomCorner = 9,     // stage 7 while its rooms grow: a room corner; a wall once the stage is done
  Item = 10,          // listed and emptied when the stage is painted
  RisingSlope = 11,   // a ramp going up to the right (/)
  FallingSlope = 12,  // a ramp going down to the right (\)
  DeadEnd = 19,       // stage 7 while its rooms grow: a wall end no wall may start from; then a wall
  RisingFork = 21,    // a rising ramp cell where a path forks off it
  FallingFork = 22,   // a falling ramp cell where a path forks off it
  ShaftTop = 31,      // the upper end of a lift shaft
  ShaftBottom = 33,   // the lower end of a lift shaft, where its lift starts
};

// The number of a tile, for printing it.
constexpr std::int32_t TileCode(Tile t) { return static_cast<std::int32_t>(t); }

constexpr bool IsEmptyTile(Tile t) { return t == Tile::Empty; }
constexpr bool IsWallTile(Tile t) { return t == Tile::Wall; }
constexpr bool IsLadderTile(Tile t) { return t == Tile::Ladder; }
constexpr bool IsSpikesTile(Tile t) { return t == Tile::Spikes; }
constexpr bool IsItemTile(Tile t) { return t == Tile::Item; }
// Ramp cells, a fork or not.
constexpr bool IsRisingTile(Tile t) { return t == Tile::RisingSlope || t == Tile::RisingFork; }
constexpr bool IsFallingTile(Tile t) { return t == Tile::FallingSlope || t == Tile::FallingFork; }
constexpr bool IsShaftEndTile(Tile t) { return t == Tile::ShaftTop || t == Tile::ShaftBottom; }
