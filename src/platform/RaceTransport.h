#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/race/RaceAddress.h"
#include "host/race/RaceSession.h"
#include "host/race/Transport.h"

// The protocol this program speaks, unless VELMORANE_RACE_PROTOCOL names
// another (a test of how a program of another protocol is refused).
std::uint16_t RaceProtocolSpoken();

// A race's transport over the network, hosting on port (0: a free one,
// which port then says) or joining to; null with one line in error when it
// cannot (the port is in use, the address cannot be found).
std::unique_ptr<Transport> HostRaceOn(std::uint16_t& port, std::string& error);
std::unique_ptr<Transport> JoinRaceAt(const RaceAddress& to, std::string& error);

// How this program of the race is set up for its side.
RaceSession::Config RaceConfigFor(RaceRole side, const std::string& joined);
