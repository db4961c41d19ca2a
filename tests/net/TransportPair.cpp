#include "net/TransportPair.h"

#include <gtest/gtest.h>

namespace {

constexpr auto kPatience = std::chrono::seconds(5);
constexpr int kPollMs = 5;

}  // namespace

TransportPair::TransportPair() {
  std::string error;
  sides_[Host] = EnetTransport::Listen(0, error);
  EXPECT_TRUE(sides_[Host]) << error;
}

bool TransportPair::Connect(std::uint32_t connectData, std::optional<std::uint16_t> port) {
  std::string error;
  if (!sides_[Host]) return false;
  sides_[Guest] = EnetTransport::Connect({"127.0.0.1", port.value_or(sides_[Host]->Port())}, connectData, error);
  EXPECT_TRUE(sides_[Guest]) << error;
  const auto atHost = Next(Host);
  const auto atGuest = Next(Guest);
  if (!atHost || !atGuest || atHost->What != LinkEvent::Kind::Connected ||
      atGuest->What != LinkEvent::Kind::Connected) {
    return false;
  }
  GuestAtHost = atHost->Peer;
  HostAtGuest = atGuest->Peer;
  ConnectData = atHost->Data;
  return true;
}

std::optional<LinkEvent> TransportPair::Next(Side side) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (seen_[side].empty() && std::chrono::steady_clock::now() < deadline) {
    for (const Side polled : {Host, Guest}) {
      if (!sides_[polled]) continue;
      if (auto event = sides_[polled]->Poll(kPollMs)) seen_[polled].push_back(std::move(*event));
    }
  }
  if (seen_[side].empty()) return std::nullopt;
  LinkEvent next = std::move(seen_[side].front());
  seen_[side].pop_front();
  return next;
}

bool TransportPair::QuietFor(std::chrono::milliseconds time) {
  const auto end = std::chrono::steady_clock::now() + time;
  while (std::chrono::steady_clock::now() < end) {
    for (const Side polled : {Host, Guest}) {
      if (sides_[polled] && sides_[polled]->Poll(kPollMs)) return false;
    }
  }
  return true;
}
