// libFuzzer target: any bytes as a datagram from the other side of a race.
// The reader either refuses them with a reason, or reads a message that
// writes back to the very same bytes; inputs it reads go to a turn gate,
// which takes or refuses them without growing past its bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/race/RaceAddress.h"
#include "host/race/RaceMessages.h"
#include "host/race/TurnGate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  std::string error;
  const std::optional<RaceMessage> m = DecodeMessage(bytes, error);
  if (!m) {
    if (error.empty()) std::abort();
  } else if (EncodeMessage(*m) != std::vector<std::uint8_t>(bytes.begin(), bytes.end())) {
    std::abort();
  } else if (const auto* input = std::get_if<InputMessage>(&*m)) {
    TurnGate gate(2);
    gate.Schedule(0, {});
    if (gate.Receive(*input) && gate.Outgoing().Turns.size() > 1) std::abort();
  }
  RaceAddress address;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (ParseRaceAddress(text, address, error) && RaceAddressText(address).size() > text.size() + 6) std::abort();
  return 0;
}
