#pragma once

#include <cstdint>

// Milliseconds of a clock that never goes back, from an unspecified start.
std::int64_t SteadyMs();
