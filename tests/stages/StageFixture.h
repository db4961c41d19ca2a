#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "stages/PaintStage.h"
#include "stages/StageResets.h"
#include "state/Game.h"
#include "state/Random.h"
#include "support/MusicLog.h"
#include "support/RepaintCounter.h"
#include "support/SoundLog.h"
#include "support/TextLog.h"

namespace playtest {

// The colour a synthetic sheet fills its cell at (x, y) with, so a picture
// on a surface tells which cell it came from.
inline Pixel SheetColor(int sheet, int x, int y) {
  return Rgb(40 + 20 * (x / 32), 40 + 20 * (y / 32), 100 + sheet);
}

// Mask cells are solid black, so a sprite shows exactly its picture colour.
inline bool IsMaskCell(int x, int y) {
  if (y == 32 || y == 96) return true;
  if (y == 160) return x <= 64 || x == 288;
  if (y == 192) return x >= 96 && x <= 256;
  return false;
}

// Sheets whose cells are filled with SheetColor, except the masks and the
// one-player background and black tiles, which are black.
inline void PaintSyntheticSheets(Game& g) {
  g.SpriteSheet = Surface(320, 256);
  g.DuoSpriteSheet = Surface(320, 256);
  for (int y = 0; y < 256; y += 32) {
    for (int x = 0; x < 320; x += 32) {
      const bool black = IsMaskCell(x, y) || (y == 0 && (x == 64 || x == 288));
      g.SpriteSheet.Fill(x, y, x + 32, y + 32, black ? kBlack : SheetColor(1, x, y));
      g.DuoSpriteSheet.Fill(x, y, x + 32, y + 32, SheetColor(2, x, y));
    }
  }
}

inline Tile TileOf(char symbol) {
  switch (symbol) {
    case '#': return Tile::Wall;
    case 'H': return Tile::Ladder;
    case '^': return Tile::Spikes;
    case '*': return Tile::Item;
    case '/': return Tile::RisingSlope;
    case '\\': return Tile::FallingSlope;
    case 'f': return Tile::RisingFork;
    case 'g': return Tile::FallingFork;
    case 'T': return Tile::ShaftTop;
    case 'B': return Tile::ShaftBottom;
    default: return Tile::Empty;
  }
}

// A started program with recorded music, effects, text and repaints, and a
// one-player stage laid out by hand.
struct StageFixture {
  StageFixture() : game(std::make_unique<Game>()) {
    Game& g = *game;
    SetUpGame(g, 20240601);
    g.TitleTimer.SetEnabled(false);
    g.MusicPlayer.Attach(&music);
    g.Sound = &sounds;
    g.Text = &text;
    g.Screen = &repaints;
    PaintSyntheticSheets(g);
    g.PlayMode = PlayMode::OnePlayer;
    g.StageNo = 1;
    g.Lives = 3;
  }

  Game& operator*() { return *game; }
  Game* operator->() { return game.get(); }

  // Writes rows of map symbols from firstRow down, each from column 0.
  void Draw(int firstRow, const std::vector<std::string>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (std::size_t c = 0; c < rows[r].size() && c <= 22; ++c) {
        game->MapData[c][firstRow + static_cast<int>(r)] = TileOf(rows[r][c]);
      }
    }
  }
  void Floor(int row = 19) { Draw(row, {std::string(23, '#')}); }

  void PlaceEnemy(EnemyKind kind, i32 x, i32 y, i32 dx, i32 dy) {
    Game& g = *game;
    const i32 i = g.EnemyCount++;
    g.EnemyKind[i] = kind;
    g.EnemyX[i] = x;
    g.EnemyY[i] = y;
    g.EnemyDX[i] = dx;
    g.EnemyDY[i] = dy;
  }
  void PlaceLift(i32 x, i32 y, i32 dir) {
    Game& g = *game;
    const i32 i = g.LiftCount++;
    g.LiftX[i] = x;
    g.LiftY[i] = y;
    g.LiftDir[i] = dir;
  }

  // What stage start does once the builder has run, and the frame timer on.
  // Unless spareItem was turned off, an item far up in the top-right corner
  // keeps the stage from being cleared.
  void Begin(i32 playerX, i32 playerY) {
    Game& g = *game;
    if (spareItem) g.MapData[22][0] = Tile::Item;
    g.Player.X = playerX;
    g.Player.Y = playerY;
    ListItemsAndPaint(g);
    ResetCharactersForStage(g);
    ResetRevealed(g);
    g.MusicPlayer.SetFileName("BGM1.mid");
    g.MusicPlayer.Open();
    g.MusicPlayer.Play();
    g.Timer1.SetEnabled(true);
  }

  // The colour at the centre of the 24 x 24 box at (x, y).
  static Pixel BoxColor(const Surface& s, int x, int y) { return s.At(x + 12, y + 12); }

  // The values the shared generator will give next, without drawing them.
  std::vector<i32> NextDraws(std::vector<i32> ranges) const {
    std::uint32_t seed = game->RandomSeed;
    for (i32& n : ranges) n = NextRandom(seed, n);
    return ranges;
  }

  bool spareItem = true;
  MusicLog music;
  SoundLog sounds;
  TextLog text;
  RepaintCounter repaints;
  std::unique_ptr<Game> game;
};

}  // namespace playtest
