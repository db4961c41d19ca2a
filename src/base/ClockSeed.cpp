#include "base/ClockSeed.h"

#include <chrono>

std::uint32_t MillisecondsSinceMidnightUtc() {
  using namespace std::chrono;
  constexpr long long kDayMs = 24LL * 60 * 60 * 1000;
  const long long ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return static_cast<std::uint32_t>(((ms % kDayMs) + kDayMs) % kDayMs);
}
