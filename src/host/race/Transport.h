#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Which of a transport's connections a message came from or goes to.
using PeerId = std::uint32_t;

// What happened on a transport.
struct LinkEvent {
  enum class Kind { Connected, Received, Disconnected };
  Kind What = Kind::Received;
  PeerId Peer = 0;
  // Connected: the number the connecting side gave; Disconnected: the reason
  // the other side gave (0 when the connection was lost).
  std::uint32_t Data = 0;
  // Received: the message.
  std::vector<std::uint8_t> Bytes;
};

// A reliable message arrives once, in order with the other reliable ones; an
// unreliable one may be lost, arrive twice or overtake another.
enum class Delivery { Reliable, Unreliable };

// The largest message a transport carries.
constexpr std::size_t kMaxMessageBytes = 1200;

// Messages between two programs of a race: the network's (ENet) or, in
// tests, one in memory.
class Transport {
 public:
  virtual ~Transport() = default;
  // The next event, waiting up to waitMs for one (0: only what has come).
  virtual std::optional<LinkEvent> Poll(int waitMs) = 0;
  // Messages longer than kMaxMessageBytes are not sent.
  virtual void Send(PeerId peer, std::span<const std::uint8_t> bytes, Delivery how) = 0;
  // Ends the connection, telling the other side reason; what was sent
  // before still goes.
  virtual void Disconnect(PeerId peer, std::uint32_t reason) = 0;
};
