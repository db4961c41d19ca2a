#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "game/Events.h"

// The race's messages, byte by byte as docs/race-protocol.md describes them.
// Everything read comes from the network: a message that is not exactly one
// of these is refused whole.

// Which protocol a program speaks; a program of another refuses the race.
constexpr std::uint16_t kRaceProtocol = 1;

// Bounds of what one message may hold.
constexpr std::size_t kMaxVersionBytes = 32;
constexpr std::size_t kMaxTurnsPerInput = 64;
constexpr std::size_t kMaxEventsPerTurn = 24;

// A program's first words: what it speaks and plays by.
struct HelloMessage {
  std::uint16_t Protocol = kRaceProtocol;
  std::uint16_t Rules = 0;
  std::string Version;
};

enum class RejectReason : std::uint8_t { Protocol = 1, Rules = 2, Full = 3 };

// Why the host will not race, with what it speaks and plays by itself.
struct RejectMessage {
  RejectReason Reason = RejectReason::Full;
  std::uint16_t Protocol = kRaceProtocol;
  std::uint16_t Rules = 0;
  std::string Version;
};

// A round trip's measure: the answer (Pong) carries the stamp back.
struct PingMessage {
  bool Answer = false;
  std::uint32_t Stamp = 0;
};

// The race as the host sets it: the seed, the frame interval (the game's
// speed), the turns every input waits before it runs, and which race of
// the connection it is (the first is 0; both sides may ask for another).
struct StartMessage {
  std::uint32_t Seed = 0;
  std::uint16_t FrameMs = 50;
  std::uint8_t Delay = 2;
  std::uint8_t Round = 0;
  // For a race after the first: the last turn both sides run of the race
  // before it, after which this one begins.
  std::uint32_t After = 0;
};

// One side's inputs in a race for the turns First, First + 1, …, and how far
// it holds the other side's: every turn below Ack.
struct InputMessage {
  std::uint8_t Round = 0;
  std::uint32_t Ack = 0;
  std::uint32_t First = 0;
  std::vector<std::vector<Event>> Turns;
};

// A digest of the game's state after a turn of a race.
struct DigestMessage {
  std::uint8_t Round = 0;
  std::uint32_t Turn = 0;
  std::uint64_t Value = 0;
};

// The host's last turn: the race ends after it.
struct EndMessage {
  std::uint32_t LastTurn = 0;
};

// This side wants another race, once this one has its result.
struct AgainMessage {};

using RaceMessage = std::variant<HelloMessage, RejectMessage, PingMessage, StartMessage, InputMessage, DigestMessage,
                                 EndMessage, AgainMessage>;

std::vector<std::uint8_t> EncodeMessage(const RaceMessage& message);

// The message the bytes hold, or nothing with why in error.
std::optional<RaceMessage> DecodeMessage(std::span<const std::uint8_t> bytes, std::string& error);
