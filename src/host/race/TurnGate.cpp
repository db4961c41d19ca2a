#include "host/race/TurnGate.h"

#include <algorithm>

namespace {

const std::vector<Event> kNoEvents;

// How far past the turns it holds the gate takes the other side's inputs:
// a side never runs more than its delay ahead, so nothing honest comes from
// further.
constexpr std::uint32_t kFurthestAhead = 4 * kMaxTurnsPerInput;

}  // namespace

void TurnGate::Schedule(std::uint32_t turn, std::vector<Event> events) {
  if (events.size() > kMaxEventsPerTurn) events.resize(kMaxEventsPerTurn);
  local_[turn + delay_] = std::move(events);
  localEnd_ = std::max(localEnd_, turn + delay_ + 1);
}

bool TurnGate::Receive(const InputMessage& m) {
  if (m.Ack > localEnd_ || m.First < delay_ || m.First + m.Turns.size() > remoteEnd_ + kFurthestAhead) return false;
  acked_ = std::max(acked_, m.Ack);
  for (std::size_t i = 0; i < m.Turns.size(); ++i) {
    const std::uint32_t turn = m.First + static_cast<std::uint32_t>(i);
    if (turn >= remoteEnd_) remote_.try_emplace(turn, m.Turns[i]);
  }
  while (remote_.contains(remoteEnd_)) ++remoteEnd_;
  ForgetLocal();
  return true;
}

const std::vector<Event>& TurnGate::Local(std::uint32_t turn) const {
  const auto it = local_.find(turn);
  return it == local_.end() ? kNoEvents : it->second;
}

const std::vector<Event>& TurnGate::Remote(std::uint32_t turn) const {
  const auto it = remote_.find(turn);
  return it == remote_.end() ? kNoEvents : it->second;
}

void TurnGate::Ran(std::uint32_t turn) {
  ranBelow_ = std::max(ranBelow_, turn + 1);
  remote_.erase(remote_.begin(), remote_.lower_bound(ranBelow_));
  ForgetLocal();
}

void TurnGate::ForgetLocal() { local_.erase(local_.begin(), local_.lower_bound(std::min(acked_, ranBelow_))); }

InputMessage TurnGate::Outgoing() const {
  InputMessage m;
  m.Ack = remoteEnd_;
  m.First = acked_;
  for (auto it = local_.lower_bound(acked_); it != local_.end() && m.Turns.size() < kMaxTurnsPerInput; ++it) {
    m.Turns.push_back(it->second);
  }
  return m;
}
