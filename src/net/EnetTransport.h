#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>

#include "host/race/RaceAddress.h"
#include "host/race/Transport.h"

struct _ENetHost;
struct _ENetPeer;
struct _ENetEvent;

// The race's messages over UDP through ENet: a listening side with room for
// a few connections, or a side connecting to one address. Reliable messages
// go on one channel, unreliable ones (unsequenced) on another. Whatever
// comes from the network is checked before it is believed.
class EnetTransport final : public Transport {
 public:
  // Listens on every IPv4 interface; port 0 takes a free one (Port() says
  // which). Null with one line in error when it cannot.
  static std::unique_ptr<EnetTransport> Listen(std::uint16_t port, std::string& error);
  // Starts connecting to an address; Connected comes once the other side
  // answers, and the other side's Connected carries connectData. Null with
  // one line in error when the address cannot be found.
  static std::unique_ptr<EnetTransport> Connect(const RaceAddress& to, std::uint32_t connectData,
                                                std::string& error);

  // Says goodbye (reason 0) to whoever is still connected, waiting a moment
  // at most for what is queued to go.
  ~EnetTransport() override;
  EnetTransport(const EnetTransport&) = delete;
  EnetTransport& operator=(const EnetTransport&) = delete;

  // The UDP port this side is on.
  std::uint16_t Port() const;
  // The bytes of UDP payload sent so far (ENet's headers and pings
  // included), for measuring what a race costs the network.
  std::uint32_t SentBytes() const;

  std::optional<LinkEvent> Poll(int waitMs) override;
  void Send(PeerId peer, std::span<const std::uint8_t> bytes, Delivery how) override;
  // No event follows for that peer: its Disconnected is the other side's.
  void Disconnect(PeerId peer, std::uint32_t reason) override;

 private:
  EnetTransport(std::shared_ptr<const void> enet, _ENetHost* host);
  PeerId Adopt(_ENetPeer* peer);
  _ENetPeer* Find(PeerId peer) const;
  void Take(_ENetEvent& event);
  void SayGoodbye();

  // Keeps ENet started while this transport lives.
  std::shared_ptr<const void> enet_;
  _ENetHost* host_;
  std::unordered_map<PeerId, _ENetPeer*> peers_;
  PeerId nextPeer_ = 1;
  std::deque<LinkEvent> events_;
  bool toldOversized_ = false;
};
