#pragma once

#include "support/TestGame.h"

// The colour every cell of a synthetic sheet is filled with, so a drawn
// picture tells which cell it came from.
inline Pixel SheetCell(int sheet, int x, int y) {
  return Rgb(40 + 20 * (x / 32), 40 + 20 * (y / 32), 100 + sheet);
}

// Two-player tiles from palette index 22 (player 1's blue) and 25 (player 2's
// red), tagged as the loaded sheet tags them.
constexpr Pixel kBlueTile = (Pixel{22} << 24) | Rgb(0, 0, 60);
constexpr Pixel kRedTile = (Pixel{25} << 24) | Rgb(35, 0, 0);

// A two-player match as stage start leaves it, on a field with a solid floor
// in row 19 and nothing else: players at (72, 432) and (456, 432), items
// listed by the caller with AddItem.
struct DuoMatch : TestGame {
  DuoMatch() {
    Game& m = *g;
    m.PlayMode = PlayMode::TwoPlayer;
    m.StageNo = 1;
    m.SpriteSheet = Surface(320, 256);
    m.DuoSpriteSheet = Surface(320, 256);
    for (int y = 0; y < 256; y += 32) {
      for (int x = 0; x < 320; x += 32) {
        // Masks (rows at 32 and 96) are all black: the figure fills its box.
        const bool mask = y == 32 || y == 96;
        m.SpriteSheet.Fill(x, y, x + 24, y + 24, mask ? kBlack : SheetCell(1, x, y));
        m.DuoSpriteSheet.Fill(x, y, x + 24, y + 24, SheetCell(2, x, y));
      }
    }
    m.RacerOneStageImage.Fill(0, 0, kFieldWidth, kFieldHeight, kBlueTile);
    m.RacerTwoStageImage.Fill(0, 0, kFieldWidth, kFieldHeight, kRedTile);
    m.UncoveredImage.FillWhole(kBlack);
    for (int c = 0; c <= 22; ++c) m.MapData[c][19] = Tile::Wall;
    m.Duo[0].X = 72;
    m.Duo[1].X = 456;
    m.Duo[0].Y = m.Duo[1].Y = 432;
    m.Timer1.SetEnabled(true);
  }

  void AddItem(i32 x, i32 y, i32 phase = 0) {
    Game& m = *g;
    m.ItemX[m.ItemCount] = x;
    m.ItemY[m.ItemCount] = y;
    m.ItemPhase[m.ItemCount] = phase;
    ++m.ItemCount;
    m.DuoItemsLeft[0] = m.DuoItemsLeft[1] = m.ItemCount;
  }

};
