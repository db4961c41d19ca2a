#include "net/EnetTransport.h"

#include <enet/enet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <iostream>
#include <mutex>

namespace {

// Room for the other racer, those watching, and more that the race refuses.
constexpr std::size_t kListenPeers = 8;
constexpr std::size_t kChannels = 2;
constexpr std::uint8_t kReliableChannel = 0;
constexpr std::uint8_t kUnreliableChannel = 1;
// A silent peer is given up by the race itself, on its own clock; ENet only
// gives up on one long after that.
constexpr std::uint32_t kSilentPeerMinimumMs = 20000;
constexpr std::uint32_t kSilentPeerMaximumMs = 30000;
// 0: ENet's own count of tries before the time above decides.
constexpr std::uint32_t kDefaultTimeoutLimit = 0;
// How long a closing transport waits for its goodbyes to go.
constexpr auto kGoodbyeTime = std::chrono::milliseconds(100);

// ENet is started with the first transport of the program and stopped with
// the last: each transport holds one of these.
std::shared_ptr<const void> UseEnet() {
  static std::mutex lock;
  static int users = 0;
  const std::lock_guard<std::mutex> guard(lock);
  if (users == 0 && enet_initialize() != 0) return nullptr;
  ++users;
  return std::shared_ptr<const void>(&users, [](const void*) {
    const std::lock_guard<std::mutex> leaving(lock);
    if (--users == 0) enet_deinitialize();
  });
}

// Whether another socket has the UDP port, which ENet does not say when it
// cannot bind.
bool PortInUse(std::uint16_t port) {
  const int probe = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (probe < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_ANY);
  const bool inUse = ::bind(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 &&
                     errno == EADDRINUSE;
  ::close(probe);
  return inUse;
}

PeerId IdOf(const ENetPeer* peer) {
  return static_cast<PeerId>(reinterpret_cast<std::uintptr_t>(peer->data));
}

void SetId(ENetPeer* peer, PeerId id) {
  peer->data = reinterpret_cast<void*>(static_cast<std::uintptr_t>(id));
}

void KeepSilentPeers(ENetPeer* peer) {
  enet_peer_timeout(peer, kDefaultTimeoutLimit, kSilentPeerMinimumMs, kSilentPeerMaximumMs);
}

ENetHost* MakeHost(const ENetAddress* address, std::size_t peers) {
  ENetHost* host = enet_host_create(address, peers, kChannels, 0, 0);
  if (host != nullptr) host->maximumPacketSize = kMaxMessageBytes;
  return host;
}

}  // namespace

EnetTransport::EnetTransport(std::shared_ptr<const void> enet, _ENetHost* host)
    : enet_(std::move(enet)), host_(host) {}

std::unique_ptr<EnetTransport> EnetTransport::Listen(std::uint16_t port, std::string& error) {
  auto enet = UseEnet();
  if (!enet) {
    error = "the network cannot be started";
    return nullptr;
  }
  const ENetAddress address{ENET_HOST_ANY, port};
  ENetHost* host = MakeHost(&address, kListenPeers);
  if (host == nullptr) {
    error = PortInUse(port) ? "port " + std::to_string(port) + " is in use"
                            : "cannot listen on port " + std::to_string(port);
    return nullptr;
  }
  return std::unique_ptr<EnetTransport>(new EnetTransport(std::move(enet), host));
}

std::unique_ptr<EnetTransport> EnetTransport::Connect(const RaceAddress& to, std::uint32_t connectData,
                                                      std::string& error) {
  auto enet = UseEnet();
  if (!enet) {
    error = "the network cannot be started";
    return nullptr;
  }
  ENetAddress address{};
  if (enet_address_set_host(&address, to.Host.c_str()) != 0) {
    error = "cannot find the address " + to.Host;
    return nullptr;
  }
  address.port = to.Port;
  ENetHost* host = MakeHost(nullptr, 1);
  ENetPeer* peer = host == nullptr ? nullptr : enet_host_connect(host, &address, kChannels, connectData);
  if (peer == nullptr) {
    if (host != nullptr) enet_host_destroy(host);
    error = "cannot connect to " + RaceAddressText(to);
    return nullptr;
  }
  std::unique_ptr<EnetTransport> transport(new EnetTransport(std::move(enet), host));
  transport->Adopt(peer);
  return transport;
}

EnetTransport::~EnetTransport() {
  SayGoodbye();
  enet_host_destroy(host_);
}

std::uint16_t EnetTransport::Port() const { return host_->address.port; }

std::uint32_t EnetTransport::SentBytes() const { return host_->totalSentData; }

std::optional<LinkEvent> EnetTransport::Poll(int waitMs) {
  if (events_.empty()) {
    ENetEvent event;
    int got = enet_host_service(host_, &event, static_cast<enet_uint32>(std::max(waitMs, 0)));
    while (got > 0) {
      Take(event);
      got = enet_host_check_events(host_, &event);
    }
    enet_host_flush(host_);
  }
  if (events_.empty()) return std::nullopt;
  LinkEvent next = std::move(events_.front());
  events_.pop_front();
  return next;
}

void EnetTransport::Send(PeerId peer, std::span<const std::uint8_t> bytes, Delivery how) {
  ENetPeer* to = Find(peer);
  if (to == nullptr || bytes.size() > kMaxMessageBytes) return;
  const bool reliable = how == Delivery::Reliable;
  ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(),
                                          reliable ? ENET_PACKET_FLAG_RELIABLE : ENET_PACKET_FLAG_UNSEQUENCED);
  if (packet == nullptr) return;
  if (enet_peer_send(to, reliable ? kReliableChannel : kUnreliableChannel, packet) != 0) enet_packet_destroy(packet);
}

void EnetTransport::Disconnect(PeerId peer, std::uint32_t reason) {
  ENetPeer* to = Find(peer);
  if (to == nullptr) return;
  enet_peer_disconnect_later(to, reason);
  SetId(to, 0);
  peers_.erase(peer);
}

PeerId EnetTransport::Adopt(_ENetPeer* peer) {
  const PeerId id = nextPeer_++;
  SetId(peer, id);
  KeepSilentPeers(peer);
  peers_[id] = peer;
  return id;
}

_ENetPeer* EnetTransport::Find(PeerId peer) const {
  const auto found = peers_.find(peer);
  return found == peers_.end() ? nullptr : found->second;
}

void EnetTransport::Take(_ENetEvent& event) {
  PeerId id = IdOf(event.peer);
  switch (event.type) {
    case ENET_EVENT_TYPE_CONNECT:
      if (id == 0) id = Adopt(event.peer);
      events_.push_back({LinkEvent::Kind::Connected, id, event.data, {}});
      break;
    case ENET_EVENT_TYPE_RECEIVE:
      if (id != 0 && event.packet->dataLength <= kMaxMessageBytes) {
        const std::uint8_t* data = event.packet->data;
        events_.push_back({LinkEvent::Kind::Received, id, 0, {data, data + event.packet->dataLength}});
      } else if (id != 0 && !toldOversized_) {
        toldOversized_ = true;
        std::cerr << "velmorane: a message of " << event.packet->dataLength
                  << " bytes from the network was dropped: at most " << kMaxMessageBytes << " are taken\n";
      }
      enet_packet_destroy(event.packet);
      break;
    case ENET_EVENT_TYPE_DISCONNECT:
      if (id == 0) break;
      SetId(event.peer, 0);
      peers_.erase(id);
      events_.push_back({LinkEvent::Kind::Disconnected, id, event.data, {}});
      break;
    case ENET_EVENT_TYPE_NONE:
      break;
  }
}

void EnetTransport::SayGoodbye() {
  for (const auto& [id, peer] : peers_) {
    if (peer->state == ENET_PEER_STATE_CONNECTED) enet_peer_disconnect_later(peer, 0);
  }
  const auto leaving = [this] {
    for (std::size_t i = 0; i < host_->peerCount; ++i) {
      const ENetPeerState state = host_->peers[i].state;
      if (state == ENET_PEER_STATE_DISCONNECT_LATER || state == ENET_PEER_STATE_DISCONNECTING) return true;
    }
    return false;
  };
  const auto deadline = std::chrono::steady_clock::now() + kGoodbyeTime;
  while (leaving()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    ENetEvent event;
    if (enet_host_service(host_, &event, static_cast<enet_uint32>(left.count())) > 0 &&
        event.type == ENET_EVENT_TYPE_RECEIVE) {
      enet_packet_destroy(event.packet);
    }
  }
  enet_host_flush(host_);
}
