#include "host/race/MemoryTransport.h"

#include <algorithm>

namespace {

constexpr int kHost = 0, kGuest = 1;
constexpr PeerId kOtherEnd = 1;

}  // namespace

class MemoryLink::End : public Transport {
 public:
  End(MemoryLink& link, int self) : link_(link), self_(self) {}
  std::optional<LinkEvent> Poll(int) override { return link_.Take(self_); }
  void Send(PeerId, std::span<const std::uint8_t> bytes, Delivery how) override {
    if (bytes.size() > kMaxMessageBytes) return;
    link_.Post(1 - self_, {LinkEvent::Kind::Received, kOtherEnd, 0, {bytes.begin(), bytes.end()}}, how);
  }
  void Disconnect(PeerId, std::uint32_t reason) override {
    link_.Post(1 - self_, {LinkEvent::Kind::Disconnected, kOtherEnd, reason, {}}, Delivery::Reliable);
  }

 private:
  MemoryLink& link_;
  int self_;
};

MemoryLink::MemoryLink(const std::int64_t& clock, LinkFaults faults)
    : clock_(clock), faults_(faults), random_(faults.Seed) {
  ends_[kHost] = std::make_unique<End>(*this, kHost);
  ends_[kGuest] = std::make_unique<End>(*this, kGuest);
}

MemoryLink::~MemoryLink() = default;

Transport& MemoryLink::HostEnd() { return *ends_[kHost]; }
Transport& MemoryLink::GuestEnd() { return *ends_[kGuest]; }

void MemoryLink::Connect(std::uint32_t data) {
  Post(kHost, {LinkEvent::Kind::Connected, kOtherEnd, data, {}}, Delivery::Reliable);
  Post(kGuest, {LinkEvent::Kind::Connected, kOtherEnd, 0, {}}, Delivery::Reliable);
}

void MemoryLink::Blackout(std::int64_t ms) { blackoutUntil_ = clock_ + ms; }

void MemoryLink::Post(int to, LinkEvent e, Delivery how) {
  if (clock_ < blackoutUntil_) return;
  std::uniform_int_distribution<std::int64_t> delay(faults_.MinDelayMs, faults_.MaxDelayMs);
  std::uniform_real_distribution<double> chance(0, 1);
  if (how == Delivery::Reliable) {
    lastReliableDue_[to] = std::max(lastReliableDue_[to], clock_ + delay(random_));
    inFlight_[to].push_back({lastReliableDue_[to], std::move(e)});
    return;
  }
  if (chance(random_) < faults_.Loss) return;
  if (chance(random_) < faults_.Duplication) inFlight_[to].push_back({clock_ + delay(random_), e});
  inFlight_[to].push_back({clock_ + delay(random_), std::move(e)});
}

std::optional<LinkEvent> MemoryLink::Take(int at) {
  std::vector<InFlight>& queue = inFlight_[at];
  const auto due = std::min_element(queue.begin(), queue.end(),
                                    [](const InFlight& a, const InFlight& b) { return a.Due < b.Due; });
  if (due == queue.end() || due->Due > clock_) return std::nullopt;
  LinkEvent e = std::move(due->Event);
  queue.erase(due);
  return e;
}
