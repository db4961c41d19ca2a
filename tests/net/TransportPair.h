#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>

#include "net/EnetTransport.h"

// A listening side and a side connecting to it on this machine, both kept
// serviced while a test waits for an event on either.
class TransportPair {
 public:
  enum Side { Host, Guest };

  // The host, listening on a free port.
  TransportPair();
  // The guest connects to port (the host's own when none is given); true
  // once both sides have their Connected.
  bool Connect(std::uint32_t connectData = 1, std::optional<std::uint16_t> port = std::nullopt);

  EnetTransport& operator[](Side side) { return *sides_[side]; }
  // Drops a side, as a program that ends does.
  void Close(Side side) { sides_[side].reset(); }
  // The next event on a side, within a few seconds.
  std::optional<LinkEvent> Next(Side side);
  // Keeps both sides serviced for a while; false when an event came.
  bool QuietFor(std::chrono::milliseconds time);

  // What the sides' Connected said: each one's peer, the guest's data.
  PeerId GuestAtHost = 0;
  PeerId HostAtGuest = 0;
  std::uint32_t ConnectData = 0;

 private:
  std::array<std::unique_ptr<EnetTransport>, 2> sides_;
  std::array<std::deque<LinkEvent>, 2> seen_;
};
