#pragma once

#include <cstdint>

// Two 24 x 24 characters given by their top-left corners touch when they are
// closer than 20 pixels on both axes.
inline bool Touches(std::int32_t ax, std::int32_t ay, std::int32_t bx, std::int32_t by) {
  const std::int64_t dx = static_cast<std::int64_t>(ax) - bx;
  const std::int64_t dy = static_cast<std::int64_t>(ay) - by;
  return dx > -20 && dx < 20 && dy > -20 && dy < 20;
}
