#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "net/EnetTransport.h"

// A listening side and a side connecting to it on this machine, both kept
// serviced while a test waits for an event on either.
class TransportPair {
 public:
  enum Side { Host, Guest };

  // The host, listening on a free port.
  TransportPair();
  // The guest, connecting to port, or to the host's own when 0.
  void Join(std::uint32_t connectData, std::uint16_t port = 0);

  EnetTransport& operator[](Side side) { return *sides_[side]; }
  // Drops a side, as a program that ends does.
  void Close(Side side) { sides_[side].reset(); }
  // The next event on a side, within a few seconds.
  std::optional<LinkEvent> Next(Side side);
  // Keeps both sides serviced for a while; false when an event came.
  bool QuietFor(std::chrono::milliseconds time);
  // The guest joins and both sides' Connected come; the peer each sees.
  bool Connect(PeerId& hostSees, PeerId& guestSees, std::uint16_t port = 0);

 private:
  std::array<std::unique_ptr<EnetTransport>, 2> sides_;
  std::array<std::deque<LinkEvent>, 2> seen_;
};
