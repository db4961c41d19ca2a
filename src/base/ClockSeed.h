#pragma once

#include <cstdint>

// Milliseconds since midnight UTC by the system clock: the seed of a game
// started without --seed.
std::uint32_t MillisecondsSinceMidnightUtc();
