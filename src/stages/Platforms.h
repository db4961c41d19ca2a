#pragma once

#include "state/Game.h"

// The seven platforms of the ladder-and-platform stages (stage 1 and the
// two-player stage), each joined by a ladder to an earlier one.
struct PlatformLayout {
  static constexpr i32 kCount = 7;
  i32 First[kCount] = {};  // first column
  i32 Last[kCount] = {};   // last column
  i32 Row[kCount] = {};
  i32 Lo = 0, Hi = 0;      // span of all platforms so far
};

// A candidate for the next platform: x1 within the span, x2 anywhere, at
// least four columns apart.
struct PlatformDraw {
  i32 X1 = 0, X2 = 0;
  i32 First = 0, Last = 0, Row = 0;
  i32 LadderLo = 0, LadderHi = 0;  // where its ladder may stand
};

// The first platform with its ladder down to the floor.
void LayFirstPlatform(Game& g, PlatformLayout& p);
// Draws x1, x2 and the row of a candidate platform.
PlatformDraw DrawPlatform(Game& g, const PlatformLayout& p);
// Lays the ladder of platform i (item column itemColumn) from its row to the
// platform it reaches, and widens the span by x2.
void JoinPlatform(Game& g, PlatformLayout& p, i32 i, const PlatformDraw& d, i32 itemColumn);
