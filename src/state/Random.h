#pragma once

#include <cstdint>

// The one shared generator: seed := seed * 134775813 + 1 (mod 2^32), result
// the high 32 bits of seed * n. Every call advances the seed once, also for n
// of 0 or 1, so stage layouts depend on the exact order of calls.
std::int32_t NextRandom(std::uint32_t& seed, std::int32_t n);
