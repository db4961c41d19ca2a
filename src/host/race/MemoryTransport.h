#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "host/race/Transport.h"

// What an in-memory link does to messages, drawn from its seed: how long
// each takes, and how many unreliable ones are lost or arrive twice (they
// overtake each other by their delays). Reliable messages are never lost
// and keep their order.
struct LinkFaults {
  std::uint32_t Seed = 1;
  std::int64_t MinDelayMs = 0, MaxDelayMs = 0;
  double Loss = 0, Duplication = 0;
};

// Two programs' link without a network, on a clock the caller moves: the
// host's end and the guest's, which connects with a number as over the
// network. Each end sees the other as peer 1.
class MemoryLink {
 public:
  MemoryLink(const std::int64_t& clock, LinkFaults faults);
  ~MemoryLink();
  Transport& HostEnd();
  Transport& GuestEnd();
  // The guest's end starts connecting.
  void Connect(std::uint32_t data);
  // From now on, for ms, everything sent is lost (reliable messages too:
  // the connection is down).
  void Blackout(std::int64_t ms);

 private:
  class End;
  struct InFlight {
    std::int64_t Due = 0;
    LinkEvent Event;
  };
  void Post(int to, LinkEvent e, Delivery how);
  std::optional<LinkEvent> Take(int at);

  const std::int64_t& clock_;
  LinkFaults faults_;
  std::mt19937 random_;
  std::vector<InFlight> inFlight_[2];
  std::int64_t lastReliableDue_[2] = {0, 0};
  std::int64_t blackoutUntil_ = 0;
  std::unique_ptr<End> ends_[2];
};
