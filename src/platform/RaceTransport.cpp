#include "platform/RaceTransport.h"

#include <cstdlib>

#include "base/DecimalNumber.h"
#include "host/io/PrintTrouble.h"
#include "host/replay/Replay.h"
#include "net/EnetTransport.h"

std::uint16_t RaceProtocolSpoken() {
  const char* spoken = std::getenv("VELMORANE_RACE_PROTOCOL");
  const std::optional<std::uint64_t> protocol = spoken ? ParseDecimal(spoken, UINT16_MAX) : std::nullopt;
  return protocol ? static_cast<std::uint16_t>(*protocol) : kRaceProtocol;
}

std::unique_ptr<Transport> HostRaceOn(std::uint16_t& port, std::string& error) {
  std::unique_ptr<EnetTransport> transport = EnetTransport::Listen(port, error);
  if (transport) port = transport->Port();
  return transport;
}

std::unique_ptr<Transport> JoinRaceAt(const RaceAddress& to, std::string& error) {
  return EnetTransport::Connect(to, RaceProtocolSpoken(), error);
}

RaceSession::Config RaceConfigFor(RaceRole side, const std::string& joined) {
  return {side, VELMORANE_VERSION, RaceProtocolSpoken(), kRules, joined, PrintTrouble};
}
