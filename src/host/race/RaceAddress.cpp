#include "host/race/RaceAddress.h"

#include <algorithm>
#include <cctype>

#include "base/DecimalNumber.h"

namespace {

constexpr std::size_t kMaxHostLength = 253;
constexpr std::uint64_t kMaxPort = 65535;

bool IsHostChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-' || c == '_';
}

// The text as the player wrote it, in quotes, to begin a message.
std::string Quoted(std::string_view text) {
  std::string quoted = "'";
  quoted += text;
  quoted += '\'';
  return quoted;
}

}  // namespace

bool ParseRacePort(std::string_view text, std::uint16_t& port, std::string& error) {
  const std::optional<std::uint64_t> value = ParseDecimal(text, kMaxPort);
  if (!value || *value == 0) {
    error = "the port must be a number from 1 to " + std::to_string(kMaxPort) + ", not " + Quoted(text);
    return false;
  }
  port = static_cast<std::uint16_t>(*value);
  return true;
}

bool ParseRaceAddress(std::string_view text, RaceAddress& address, std::string& error) {
  const std::size_t colon = text.find(':');
  if (colon != std::string_view::npos && text.find(':', colon + 1) != std::string_view::npos) {
    error = Quoted(text) + " is not an address: IPv6 addresses cannot be joined, give an IPv4 one";
    return false;
  }
  const std::string_view host = text.substr(0, colon);
  if (host.empty() || host.size() > kMaxHostLength || !std::all_of(host.begin(), host.end(), IsHostChar)) {
    error = Quoted(text) + " is not an address: give a host name or IPv4 address, then :port if need be";
    return false;
  }
  RaceAddress read{std::string(host), kDefaultRacePort};
  if (colon != std::string_view::npos && !ParseRacePort(text.substr(colon + 1), read.Port, error)) return false;
  address = std::move(read);
  return true;
}

std::string RaceAddressText(const RaceAddress& address) {
  return address.Host + ':' + std::to_string(address.Port);
}
