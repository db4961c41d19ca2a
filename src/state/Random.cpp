#include "state/Random.h"

std::int32_t NextRandom(std::uint32_t& seed, std::int32_t n) {
  seed = seed * 134775813u + 1u;
  const std::uint64_t product = static_cast<std::uint64_t>(seed) * static_cast<std::uint32_t>(n);
  return static_cast<std::int32_t>(product >> 32);
}
