#pragma once

#include <cstdint>

// Snapping rules shared by everything that moves on the 24-pixel grid.
// Division truncates toward zero, as everywhere in the game.

constexpr std::int32_t kCell = 24;
// Right-most x a character may take: the last column of the field.
constexpr std::int32_t kMaxX = 528;

constexpr std::int32_t Trunc4(std::int32_t v) { return v / 4 * 4; }
constexpr std::int32_t CellStart(std::int32_t v) { return v / kCell * kCell; }
constexpr std::int32_t NearestCellStart(std::int32_t v) { return (v + 12) / kCell * kCell; }

// After running into a wall while moving by d (only its sign counts), the
// position that sits flush against that wall.
constexpr std::int32_t FlushAgainstWall(std::int32_t v, std::int32_t d) {
  return d > 0 ? CellStart(v - 1) : (v + 1) / kCell * kCell + kCell;
}

// The height of a jump arc `tick` frames after it began at originY: one
// cell higher at ticks 5 to 7, back at originY at tick 12, then falling ever
// faster. Computed wide so that a fall of any length cannot overflow.
constexpr std::int64_t ArcTarget(std::int32_t originY, std::int32_t tick) {
  const std::int64_t t = 4 * static_cast<std::int64_t>(tick) - 24;
  return static_cast<std::int64_t>(originY) - 24 + 24 * t * t / 576;
}

// Moves y toward an arc target, never more than one cell down per frame.
// Returns the step the arc asked for (its sign is what the wall tests need).
inline std::int32_t FollowArcHeight(std::int32_t& y, std::int64_t target) {
  const std::int64_t step = target - y;
  if (step > kCell) {
    y += kCell;
    return step > (1 << 30) ? (1 << 30) : static_cast<std::int32_t>(step);
  }
  y = static_cast<std::int32_t>(target);
  return static_cast<std::int32_t>(step);
}
