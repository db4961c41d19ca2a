#pragma once

#include "state/Game.h"

// Building blocks shared by the stage builders.

constexpr i32 kLastColumn = 22;  // columns 0..22 are the play field
constexpr i32 kFloorRow = 19;

// Empties the whole 41 x 41 grid, sets the enemy and lift counts to 0 and
// grounds every enemy slot (no arc left over from an earlier stage).
void ClearStage(Game& g);

// Sets rows firstRow..lastRow of one column (nothing when first > last).
void FillColumn(Game& g, i32 column, i32 firstRow, i32 lastRow, Tile tile);
// Sets columns firstColumn..lastColumn of one row (nothing when first > last).
void FillRow(Game& g, i32 row, i32 firstColumn, i32 lastColumn, Tile tile);
// Sets one row across the whole play field.
void FillFieldRow(Game& g, i32 row, Tile tile);

// -1 or +1, one draw.
i32 UnitDirection(Game& g);

// Writes enemy EnemyCount and counts it.
void AddEnemy(Game& g, EnemyKind kind, i32 x, i32 y, i32 dx, i32 dy);
// Puts enemy i in a random empty cell of columns 1..21, rows 1..10.
void PlaceAtRandomFreeCell(Game& g, i32 i);
// A bouncer at a random empty cell heading a random diagonal.
void AddBouncerAtFreeCell(Game& g);

// A lift resting at the lower end of its shaft, heading up, not yet seen.
void AddLift(Game& g, i32 column, i32 row);

// Of column c, scanning down from row `from`, the first row whose cell is not
// empty (and, when skipItems, not an item either); kFloorRow + 1 if none is.
i32 FirstSolidRowBelow(const Game& g, i32 c, i32 from, bool skipItems);
