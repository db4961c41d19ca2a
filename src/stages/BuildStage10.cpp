#include "stages/BuildStage10.h"

#include "stages/BuilderTools.h"

namespace {

constexpr i32 kQueueSlots = 100;
constexpr i32 kMazeEnemies = 5;

// A cell to carve from: a horizontal corridor (Vertical 0) or a vertical
// shaft (Vertical 1) starts there.
struct Branch {
  i32 X = 0, Y = 0, Vertical = 0;
};

struct BranchQueue {
  Branch Entries[kQueueSlots] = {};
  i32 Count = 0;
  void Append(Branch b) {
    Entries[Count] = b;
    if (Count < kQueueSlots - 1) ++Count;
  }
  void RemoveHead() {
    for (i32 i = 1; i < Count; ++i) Entries[i - 1] = Entries[i];
    --Count;
  }
};

bool Interior(i32 x, i32 y) { return x >= 1 && x <= 21 && y >= 1 && y <= 18; }

// A dead end at the border: an item one cell back in a corridor (when the
// draw says so), otherwise a climber-walker heading back inward.
void FillDeadEnd(Game& g, Branch from, i32 x, i32 y, i32 dx, i32 dy) {
  if (from.Vertical == 0 && g.Random(2) == 0) {
    g.MapData[x - dx][y - dy] = Tile::Item;
    return;
  }
  const i32 i = g.EnemyCount;
  g.EnemyKind[i] = EnemyKind::Climber;
  g.EnemyX[i] = 24 * x;
  g.EnemyY[i] = 24 * y;
  g.EnemyDX[i] = -4 * dx;
  g.EnemyDY[i] = -4 * dy;
  if (g.EnemyCount < kMazeEnemies) ++g.EnemyCount;
}

// Carves one arm of a corridor or shaft; a new branch starts at its end
// unless it ran into an open cell at once.
void CarveArm(Game& g, BranchQueue& queue, Branch from, i32 dir) {
  const bool vertical = from.Vertical == 1;
  const i32 dx = vertical ? 0 : dir;
  const i32 dy = vertical ? dir : 0;
  const Tile fill = vertical ? Tile::Ladder : Tile::Empty;
  const i32 length = g.Random(5) + 3;
  i32 stop = 0;
  i32 x = from.X;
  i32 y = from.Y;
  for (i32 k = 1; k <= length && stop == 0; ++k) {
    x = from.X + k * dx;
    y = from.Y + k * dy;
    if (!Interior(x, y)) {
      x -= dx;
      y -= dy;
      stop = k == 1 ? 1 : 2;
      FillDeadEnd(g, from, x, y, dx, dy);
    } else if (!IsWallTile(g.MapData[x][y])) {
      stop = 1;
      if (IsLadderTile(fill)) g.MapData[x][y] = Tile::Ladder;
    } else if (!vertical) {
      g.MapData[x][y] = fill;
      if (g.Random(10) == 0) g.MapData[x][y] = Tile::Item;
      if (!IsWallTile(g.MapData[x][y - 1]) || !IsWallTile(g.MapData[x][y + 1])) {
        stop = 1;
        g.MapData[x][y] = Tile::Ladder;
      }
    } else {
      g.MapData[x][y] = fill;
      if (!IsWallTile(g.MapData[x - 1][y]) || !IsWallTile(g.MapData[x + 1][y])) stop = 1;
    }
  }
  if (stop != 1) queue.Append({x, y, 1 - from.Vertical});
}

}  // namespace

void BuildStage10(Game& g) {
  ClearStage(g);
  for (i32 c = 0; c <= kLastColumn; ++c) FillColumn(g, c, 0, kFloorRow, Tile::Wall);
  BranchQueue queue;
  queue.Append({11, 10, 0});
  g.MapData[11][10] = Tile::Empty;
  g.Player.X = 264;
  g.Player.Y = 240;
  while (queue.Count > 0) {
    const Branch head = queue.Entries[0];
    if (head.Vertical == 1) g.MapData[head.X][head.Y] = Tile::Ladder;
    CarveArm(g, queue, head, -1);
    CarveArm(g, queue, head, 1);
    queue.RemoveHead();
  }
}
