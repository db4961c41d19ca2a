#include "stages/Platforms.h"

#include <algorithm>
#include <cstdlib>

#include "stages/BuilderTools.h"

void LayFirstPlatform(Game& g, PlatformLayout& p) {
  const i32 a = g.Random(23);
  const i32 b = g.Random(23);
  p.Lo = std::min(a, b);
  p.Hi = std::max(a, b);
  p.First[0] = p.Lo;
  p.Last[0] = p.Hi;
  const i32 ladderOffset = g.Random(p.Hi - p.Lo + 1);
  p.Row[0] = g.Random(14) + 3;
  FillRow(g, p.Row[0], p.Lo, p.Hi, Tile::Wall);
  FillColumn(g, p.Lo + ladderOffset, p.Row[0], kFloorRow - 1, Tile::Ladder);
}

PlatformDraw DrawPlatform(Game& g, const PlatformLayout& p) {
  PlatformDraw d;
  do {
    d.X1 = p.Lo + g.Random(p.Hi - p.Lo + 1);
    d.X2 = g.Random(23);
  } while (std::abs(d.X1 - d.X2) < 4);
  const i32 mid = std::clamp(d.X2, p.Lo, p.Hi);
  d.LadderLo = std::min(d.X1, mid);
  d.LadderHi = std::max(d.X1, mid);
  d.First = std::min(d.X1, d.X2);
  d.Last = std::max(d.X1, d.X2);
  d.Row = g.Random(14) + 3;
  return d;
}

void JoinPlatform(Game& g, PlatformLayout& p, i32 i, const PlatformDraw& d, i32 itemColumn) {
  const i32 ladderColumn = d.LadderLo + g.Random(d.LadderHi - d.LadderLo + 1);
  i32 j = i - 1;
  while (j >= 1 && !(p.First[j] <= itemColumn && itemColumn <= p.Last[j])) --j;
  if (j < 1) j = 0;
  FillColumn(g, ladderColumn, std::min(d.Row, p.Row[j]), std::max(d.Row, p.Row[j]) - 1, Tile::Ladder);
  p.Lo = std::min(p.Lo, d.X2);
  p.Hi = std::max(p.Hi, d.X2);
}
