#include "stages/MapNotation.h"

char TileSymbol(Tile tile) {
  switch (tile) {
    case Tile::Empty: return '.';
    case Tile::Wall: return '#';
    case Tile::Ladder: return 'H';
    case Tile::Spikes: return '^';
    case Tile::Item: return '*';
    case Tile::RisingSlope: return '/';
    case Tile::FallingSlope: return '\\';
    case Tile::RisingFork: return 'f';
    case Tile::FallingFork: return 'g';
    case Tile::ShaftTop: return 'T';
    case Tile::ShaftBottom: return 'B';
    default: return '?';
  }
}

std::string MapRows(const Game& g) {
  constexpr int kRows = 20;
  constexpr int kColumns = 23;
  std::string rows;
  rows.reserve(kRows * (kColumns + 1));
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) rows += TileSymbol(g.MapData[c][r]);
    rows += '\n';
  }
  return rows;
}
