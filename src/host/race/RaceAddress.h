#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The port a race is hosted on unless another is given.
constexpr std::uint16_t kDefaultRacePort = 17717;

// Where a race is joined: a host name or IPv4 address and a port.
struct RaceAddress {
  std::string Host;
  std::uint16_t Port = kDefaultRacePort;
};

// Reads "address[:port]"; false with one line saying what is wrong.
bool ParseRaceAddress(std::string_view text, RaceAddress& address, std::string& error);

// Reads a port, 1 to 65535; false with one line saying what is wrong.
bool ParseRacePort(std::string_view text, std::uint16_t& port, std::string& error);

// "address:port", as ParseRaceAddress reads it.
std::string RaceAddressText(const RaceAddress& address);
