#include "stages/MapNotation.h"

char TileSymbol(i32 code) {
  switch (code) {
    case 0: return '.';
    case 1: return '#';
    case 2: return 'H';
    case 3: return '^';
    case 10: return '*';
    case 11: return '/';
    case 12: return '\\';
    case 21: return 'f';
    case 22: return 'g';
    case 31: return 'T';
    case 33: return 'B';
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
