#include "stages/BuildStage7.h"

#include <cstdlib>

#include "stages/BuilderTools.h"
#include "stages/MapQueries.h"

namespace {

constexpr i32 kQueuedRooms = 4;

// The two temporary cells of the growing maze, both walls once it is done:
// Tile::RoomCorner, a room corner, and Tile::DeadEnd, a wall end that no
// other wall may start from.
bool IsMarker(Tile t) { return t == Tile::RoomCorner || t == Tile::DeadEnd; }

// The grid while the rooms grow. A room at the left edge would reach column
// -1 and its surroundings column -2; the grid has no such columns, so cells
// outside it read as empty and writes to them are dropped.
class RoomGrid {
 public:
  explicit RoomGrid(Game& g) : g_(g) {}
  Tile Get(i32 c, i32 r) const { return Cell(g_, c, r); }
  void Set(i32 c, i32 r, Tile tile) {
    if (c >= 0 && c < kGridSize && r >= 0 && r < kGridSize) g_.MapData[c][r] = tile;
  }

 private:
  Game& g_;
};

struct Room {
  i32 X = 0, Y = 0;
};

struct Diagonal {
  i32 DX = 0, DY = 0;
};

constexpr Diagonal kDiagonals[4] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

// Room-corner markers, a short ladder through the centre, open sides and one item
// on a corner above the room or beside its centre.
void BuildRoom(Game& g, RoomGrid& grid, i32 x, i32 y) {
  grid.Set(x - 1, y - 1, Tile::RoomCorner);
  grid.Set(x + 1, y - 1, Tile::RoomCorner);
  grid.Set(x - 1, y + 1, Tile::RoomCorner);
  grid.Set(x + 1, y + 1, Tile::RoomCorner);
  for (i32 r = y - 1; r <= y + 1; ++r) grid.Set(x, r, Tile::Ladder);
  grid.Set(x - 1, y, Tile::Empty);
  grid.Set(x + 1, y, Tile::Empty);
  const i32 a = g.Random(2);
  const i32 b = g.Random(2);
  grid.Set(x - 1 + 2 * b, y - 2 + 2 * a, Tile::Item);
}

// Occupied cells among the 16 at a distance of two around (x, y).
i32 RingCount(const RoomGrid& grid, i32 x, i32 y) {
  i32 count = 0;
  for (i32 u = -2; u <= 2; ++u)
    for (i32 w = -2; w <= 2; ++w)
      if ((std::abs(u) == 2 || std::abs(w) == 2) && !IsEmptyTile(grid.Get(x + u, y + w))) ++count;
  return count;
}

bool IsBlocked(const RoomGrid& grid, Room head, Diagonal d) {
  const i32 farX = head.X + 5 * d.DX;
  const i32 farY = head.Y + 5 * d.DY;
  if (farX < 0 || farX > kLastColumn || farY < 1 || farY > 18) return true;
  if (grid.Get(head.X + d.DX, head.Y + d.DY) == Tile::DeadEnd) return true;
  return !IsEmptyTile(grid.Get(head.X + 2 * d.DX, head.Y + 2 * d.DY)) ||
         !IsEmptyTile(grid.Get(head.X + 2 * d.DX, head.Y + d.DY)) ||
         !IsEmptyTile(grid.Get(head.X, head.Y + 2 * d.DY));
}

enum WallEnd {
  kHitAhead = 1,         // the next cell is taken
  kHitAboveBelow = 2,    // a wall or marker above or below the next cell
  kHitBeside = 3,        // a wall or marker beside the next cell
  kMarkerAhead = 11,
  kMarkerAboveBelow = 12,
  kMarkerBeside = 13,
  kRanOut = 20,          // full length, or the margin of the field reached
};

bool IsWallOrMarker(Tile t) { return IsWallTile(t) || IsMarker(t); }

struct Walk {
  i32 X = 0, Y = 0;  // the cell that ended the walk
  i32 End = kRanOut;
};

// Lays a diagonal wall from two cells out of the head room.
Walk LayDiagonalWall(RoomGrid& grid, Room head, Diagonal d, i32 length) {
  Walk w{head.X + 2 * d.DX, head.Y + 2 * d.DY, kRanOut};
  Tile hit = Tile::Empty;
  for (;;) {
    if (!IsEmptyTile(grid.Get(w.X, w.Y))) {
      w.End = kHitAhead;
      hit = grid.Get(w.X, w.Y);
      break;
    }
    if (IsWallOrMarker(grid.Get(w.X, w.Y + d.DY))) {
      w.End = kHitAboveBelow;
      hit = grid.Get(w.X, w.Y + d.DY);
      break;
    }
    if (IsWallOrMarker(grid.Get(w.X + d.DX, w.Y))) {
      w.End = kHitBeside;
      hit = grid.Get(w.X + d.DX, w.Y);
      break;
    }
    grid.Set(w.X, w.Y, Tile::Wall);
    w.X += d.DX;
    w.Y += d.DY;
    --length;
    if (w.X < 2 || w.X > 20 || w.Y < 3 || w.Y > 16 || length < 1) break;
  }
  if (IsMarker(hit)) w.End += 10;
  return w;
}

// Takes the wall back from (x, y) towards its start and seals the cell where
// it began.
void ClearWallBack(RoomGrid& grid, i32 x, i32 y, Diagonal d) {
  while (IsWallTile(grid.Get(x, y))) {
    grid.Set(x, y, Tile::Empty);
    x -= d.DX;
    y -= d.DY;
  }
  grid.Set(x, y, Tile::DeadEnd);
}

struct RoomQueue {
  Room Entries[kQueuedRooms + 1] = {};
  i32 Count = 0;
  void Append(Room r) {
    Entries[Count] = r;
    if (Count < kQueuedRooms) ++Count;
  }
  void RemoveHead() {
    for (i32 i = 1; i < Count; ++i) Entries[i - 1] = Entries[i];
    --Count;
  }
};

void FinishWall(Game& g, RoomGrid& grid, RoomQueue& queue, Walk w, Diagonal d) {
  const i32 x = w.X;
  const i32 y = w.Y;
  switch (w.End) {
    case kHitAhead:
      if (RingCount(grid, x, y) < 4) {
        BuildRoom(g, grid, x, y);
      } else {
        ClearWallBack(grid, x - d.DX, y - d.DY, d);
      }
      break;
    case kHitAboveBelow:
    case kHitBeside:
      if (RingCount(grid, x + 2 * d.DX, y + d.DY) < 4) {
        BuildRoom(g, grid, x + 2 * d.DX, y + d.DY);
      } else {
        grid.Set(x, y, Tile::DeadEnd);
      }
      break;
    case kMarkerAhead:
      if (IsLadderTile(grid.Get(x - d.DX, y))) {
        if (d.DY < 0) {
          grid.Set(x - d.DX, y - d.DY, Tile::Empty);
          grid.Set(x - d.DX, y - 2 * d.DY, Tile::Wall);
        } else {
          grid.Set(x - d.DX, y - d.DY, Tile::Ladder);
          grid.Set(x - d.DX, y - 2 * d.DY, Tile::Ladder);
        }
      }
      break;
    case kMarkerAboveBelow:
      grid.Set(x, y, Tile::Wall);
      if (IsLadderTile(grid.Get(x + d.DX, y + d.DY))) grid.Set(x, y + d.DY, Tile::Empty);
      break;
    case kMarkerBeside:
      grid.Set(x, y, Tile::Wall);
      if (!IsEmptyTile(grid.Get(x, y + d.DY))) {
        grid.Set(x, y + d.DY, Tile::Ladder);
        grid.Set(x, y + 2 * d.DY, Tile::Ladder);
      }
      break;
    default: {
      const i32 lastX = x - d.DX;
      const i32 lastY = y - d.DY;
      if (RingCount(grid, lastX, lastY) < 2) {
        BuildRoom(g, grid, lastX, lastY);
        queue.Append({lastX, lastY});
      } else {
        ClearWallBack(grid, lastX, lastY, d);
      }
      break;
    }
  }
}

// Grows rooms from the queue's head until every diagonal out of it is
// blocked; returns the lowest room that reached the head.
Room GrowRooms(Game& g, RoomGrid& grid) {
  RoomQueue queue;
  BuildRoom(g, grid, 11, 9);
  queue.Append({11, 9});
  Room lowest{11, 9};
  while (queue.Count > 0) {
    const Room head = queue.Entries[0];
    if (head.Y > lowest.Y) lowest = head;
    bool blocked[4] = {};
    bool allBlocked = true;
    for (i32 k = 0; k < 4; ++k) {
      blocked[k] = IsBlocked(grid, head, kDiagonals[k]);
      allBlocked = allBlocked && blocked[k];
    }
    if (allBlocked) {
      queue.RemoveHead();
      continue;
    }
    i32 k = 0;
    do {
      k = g.Random(4);
    } while (blocked[k]);
    const i32 length = g.Random(5) + 3;
    const Walk w = LayDiagonalWall(grid, head, kDiagonals[k], length);
    FinishWall(g, grid, queue, w, kDiagonals[k]);
  }
  return lowest;
}

// At least seven cells, along the axes, from the player's start.
void AddDistantBouncer(Game& g) {
  i32 c = 0;
  i32 r = 0;
  do {
    do {
      c = g.Random(21) + 1;
      r = g.Random(17) + 1;
    } while (!IsEmptyTile(g.MapData[c][r]));
  } while (std::abs(c - 11) + std::abs(r - 9) < 7);
  const i32 dx = UnitDirection(g);
  const i32 dy = UnitDirection(g);
  AddEnemy(g, EnemyKind::Bouncer, 24 * c, 24 * r, dx, dy);
}

}  // namespace

void BuildStage7(Game& g) {
  ClearStage(g);
  FillFieldRow(g, kFloorRow, Tile::Spikes);
  RoomGrid grid(g);
  const Room lowest = GrowRooms(g, grid);
  for (i32 c = 0; c <= kLastColumn; ++c)
    for (i32 r = 0; r <= kFloorRow; ++r)
      if (IsMarker(g.MapData[c][r])) g.MapData[c][r] = Tile::Wall;
  FillColumn(g, lowest.X, lowest.Y + 2, 18, Tile::Ladder);
  g.Player.X = 264;
  g.Player.Y = 216;
  AddEnemy(g, EnemyKind::Chaser, 24, 432, 4, 0);
  AddDistantBouncer(g);
  AddDistantBouncer(g);
}
