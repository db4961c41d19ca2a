#include "stages/PaintStage.h"

#include "state/Game.h"

namespace {

constexpr i32 kCellPixels = 24;
constexpr i32 kLastColumn = 22;
constexpr i32 kLastPaintedRow = 20;

struct SheetCell {
  const Surface* sheet;
  i32 x, y;
};

// The one-player picture of a tile; shaft ends come from the two-player sheet.
SheetCell SoloTile(const Game& g, Tile tile) {
  switch (tile) {
    case Tile::Wall: return {&g.SpriteSheet, 32, 0};
    case Tile::Ladder: return {&g.SpriteSheet, 0, 0};
    case Tile::Spikes: return {&g.SpriteSheet, 160, 160};
    case Tile::RisingSlope:
    case Tile::RisingFork: return {&g.SpriteSheet, 224, 160};
    case Tile::FallingSlope:
    case Tile::FallingFork: return {&g.SpriteSheet, 256, 160};
    default: break;
  }
  if (IsShaftEndTile(tile)) return {&g.DuoSpriteSheet, 224, 0};
  return {&g.SpriteSheet, 64, 0};
}

// The blue-tinted two-player tile; the red one lies 32 pixels lower.
SheetCell DuoTile(const Game& g, Tile tile) {
  switch (tile) {
    case Tile::Wall: return {&g.DuoSpriteSheet, 32, 0};
    case Tile::Ladder: return {&g.DuoSpriteSheet, 0, 0};
    case Tile::Spikes: return {&g.DuoSpriteSheet, 0, 96};
    case Tile::RisingSlope:
    case Tile::RisingFork: return {&g.DuoSpriteSheet, 160, 0};
    case Tile::FallingSlope:
    case Tile::FallingFork: return {&g.DuoSpriteSheet, 192, 0};
    default: return {&g.DuoSpriteSheet, 64, 0};
  }
}

void CopyCell(Surface& dest, SheetCell tile, i32 x, i32 y) {
  dest.Blit(*tile.sheet, tile.x, tile.y, kCellPixels, kCellPixels, x, y, RasterOp::Copy);
}

}  // namespace

void PaintSoloTile(Game& g, Surface& dest, Tile tile, i32 x, i32 y) {
  CopyCell(dest, SoloTile(g, tile), x, y);
}

namespace {

Surface& DuoBackground(Game& g, i32 k) {
  if (g.RacerStageImages[k]) return *g.RacerStageImages[k];
  return k == 0 ? g.RacerOneStageImage : g.RacerTwoStageImage;
}

// The item list keeps writing its last slot once 99 items are counted.
void ListItem(Game& g, i32 column, i32 row) {
  g.ItemX[g.ItemCount] = kCellPixels * column;
  g.ItemY[g.ItemCount] = kCellPixels * row;
  g.ItemPhase[g.ItemCount] = 4 * g.Random(2);
  if (g.ItemCount < kItemLimit) g.ItemCount += 1;
  g.MapData[column][row] = Tile::Empty;
}

void PaintCell(Game& g, Tile tile, i32 x, i32 y) {
  const SheetCell black{&g.SpriteSheet, 288, 0};
  if (g.PlayMode != PlayMode::TwoPlayer) {
    const SheetCell picture = SoloTile(g, tile);
    CopyCell(g.StageImage, picture, x, y);
    CopyCell(g.UncoveredImage, IsSpikesTile(tile) ? picture : black, x, y);
    return;
  }
  for (i32 k = 0; k < 2; ++k) {
    SheetCell picture = DuoTile(g, tile);
    picture.y += 32 * k;
    CopyCell(DuoBackground(g, k), picture, x, y);
    CopyCell(g.UncoveredImage, black, x, y);
  }
}

}  // namespace

void ListItemsAndPaint(Game& g) {
  g.ItemCount = 0;
  for (i32 column = 0; column <= kLastColumn; ++column) {
    for (i32 row = 0; row <= kLastPaintedRow; ++row) {
      const Tile tile = g.MapData[column][row];
      if (IsItemTile(tile)) ListItem(g, column, row);
      PaintCell(g, tile, kCellPixels * column, kCellPixels * row);
    }
  }
}

void PaintDuoCheckerboard(Game& g) {
  for (i32 row = 0; row < 20; ++row) {
    for (i32 column = 0; column <= kLastColumn; ++column) {
      const i32 x = kCellPixels * column;
      const i32 y = kCellPixels * row;
      const Surface& from = DuoBackground(g, ((column + 3) / 5 + row / 5) % 2);
      g.UncoveredImage.Blit(from, x, y, kCellPixels, kCellPixels, x, y, RasterOp::Copy);
    }
  }
}
