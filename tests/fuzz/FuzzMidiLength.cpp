// libFuzzer target: any bytes as a tune. The length, when there is one, is
// never negative, and the rounded milliseconds agree with the microseconds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "base/MidiLength.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const auto micros = MidiLengthMicroseconds(bytes);
  const auto ms = MidiLengthMs(bytes);
  if (micros.has_value() != ms.has_value()) std::abort();
  if (micros && (*micros < 0 || *ms < *micros / 1000)) std::abort();
  return 0;
}
