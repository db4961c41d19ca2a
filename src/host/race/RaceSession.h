#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/race/RaceMessages.h"
#include "host/race/RacerKeys.h"
#include "host/race/Transport.h"
#include "host/race/TurnGate.h"

// Where a race stands.
enum class RacePhase { Connecting, Handshake, Racing, Over };

// How a race ended, or why it never began.
enum class RaceOutcome { Finished, Desync, Lost, Refused, Left, Failed };

// Why a side ends the connection, as the other side hears it.
enum class ByeReason : std::uint32_t { Lost = 0, Left = 1, Desync = 2, Refused = 3, Finished = 4 };

// Two programs' agreement on one race, over a transport: the handshake
// (the guest's HELLO, the host's round-trip probes and START, or a REJECT),
// the inputs of every turn through the TurnGate, the digests both compare,
// and the end. Time comes from the clock it is given, in milliseconds.
class RaceSession {
 public:
  using Clock = std::function<std::int64_t()>;
  struct Config {
    RaceRole Role = RaceRole::Host;
    std::string Version;
    std::uint16_t Protocol = kRaceProtocol;
    std::uint16_t Rules = 0;
    // The host the guest joins, as the player wrote it, for messages.
    std::string Joined;
    // Where a message that is not the race's is told, once.
    std::function<void(const std::string&)> Tell;
  };

  // How long the race waits on a silent side: "slow" at once, then over.
  static constexpr std::int64_t kSlowMs = 1000;
  static constexpr std::int64_t kGoneMs = 15000;
  // How long a guest waits for the host to answer at all.
  static constexpr std::int64_t kAnswerMs = 10000;

  RaceSession(Transport& transport, Config config, Clock clock);

  // The host's race: its seed and frame interval. The input delay is
  // measured once a guest is there.
  void Offer(std::uint32_t seed, std::uint16_t frameMs);
  // Handles what came (waiting up to waitMs for it) and sends what is due.
  void Pump(int waitMs);

  RacePhase Phase() const { return phase_; }
  // Set once the race began.
  const std::optional<StartMessage>& Start() const { return start_; }
  std::optional<RaceOutcome> Outcome() const { return outcome_; }
  // One line saying how the race ended or why it never began.
  const std::string& Message() const { return message_; }
  // What the other side said of itself (HELLO, or the host's REJECT).
  const std::string& OtherVersion() const { return otherVersion_; }

  // This side's input made at turn (the one about to run).
  void Schedule(std::uint32_t turn, std::vector<Event> events);
  bool Ready(std::uint32_t turn) const;
  // The inputs of a ready turn, the host's and the guest's.
  const std::vector<Event>& HostEvents(std::uint32_t turn) const;
  const std::vector<Event>& GuestEvents(std::uint32_t turn) const;
  // The turn has run and left the game in the state of that digest; every
  // digest that both sides have is compared.
  void Ran(std::uint32_t turn, std::optional<std::uint64_t> digest);
  // Which turns' digests are compared: the first, every tenth, the last.
  bool DigestDue(std::uint32_t turn) const;

  // This side wants another race on a new seed once this one has its result.
  // As soon as both sides want it the host names the last turn of this
  // race, which both run, and both begin the next at its turn 0 (Start's
  // Round counts the races).
  void WantAgain();
  // Whether the other side wants another race and this one has not yet
  // said so.
  bool OtherWantsAgain() const { return theirsAgain_ && !mineAgain_; }

  // The host ends the race after lastTurn.
  void EndAfter(std::uint32_t lastTurn);
  // The last turn, once the host has said it.
  std::optional<std::uint32_t> LastTurn() const { return lastTurn_; }

  // Whether nothing has come from the other side for kSlowMs.
  bool Slow() const;
  // The last round trip measured, in ms.
  std::int64_t RoundTripMs() const { return rttMs_; }
  // Each side's digests, by turn, as far as both are known (for the report
  // of a desync).
  std::uint64_t LocalDigest() const { return desyncLocal_; }
  std::uint64_t RemoteDigest() const { return desyncRemote_; }
  std::uint32_t DesyncTurn() const { return desyncTurn_; }

  // This side leaves; the other hears it.
  void Leave();
  // Whether the other side has ended the connection. A side that ends a race
  // first keeps pumping until then (a while at most), so that what it sent
  // last, its digest, still reaches the other.
  bool OtherGone() const { return otherGone_; }

 private:
  void Handle(const LinkEvent& e);
  void HandleMessage(const RaceMessage& m);
  void OnHello(const HelloMessage& m);
  void OnReject(const RejectMessage& m);
  void OnPing(const PingMessage& m);
  void OnStart(const StartMessage& m);
  void OnInput(const InputMessage& m);
  void OnDigest(const DigestMessage& m);
  void OnAgain();
  void StartAgainIfBothWant();
  void Apply(const StartMessage& start);
  void SwitchIfDue();
  void OnBye(ByeReason reason);
  void Refuse(RejectReason reason);
  void SendInputs();
  void SendPing(Delivery how);
  void Send(const RaceMessage& m, Delivery how);
  void SendTo(PeerId peer, const RaceMessage& m, Delivery how);
  void TellBadMessage(const std::string& why);
  void CompareDigests();
  void CheckFinished();
  void End(RaceOutcome outcome, std::string message, std::optional<ByeReason> tell);
  bool IsHost() const { return config_.Role == RaceRole::Host; }

  Transport& transport_;
  Config config_;
  Clock clock_;
  RacePhase phase_ = RacePhase::Connecting;
  std::optional<RaceOutcome> outcome_;
  std::string message_;
  std::optional<PeerId> peer_;
  std::string otherVersion_;
  std::int64_t begun_ = 0;
  std::int64_t lastHeard_ = 0;
  std::int64_t lastSent_ = 0;
  std::int64_t lastPing_ = 0;
  bool inputsChanged_ = false;
  std::optional<StartMessage> offer_;
  std::vector<std::int64_t> probes_;
  std::int64_t rttMs_ = 0;
  std::optional<StartMessage> start_;
  std::optional<TurnGate> gate_;
  std::map<std::uint32_t, std::uint64_t> localDigests_;
  std::map<std::uint32_t, std::uint64_t> remoteDigests_;
  std::optional<std::uint32_t> lastTurn_;
  std::optional<std::uint32_t> ranThrough_;
  std::uint32_t desyncTurn_ = 0;
  std::uint64_t desyncLocal_ = 0, desyncRemote_ = 0;
  bool toldBadMessage_ = false;
  bool otherGone_ = false;
  // The next race, agreed on, which begins once its After turn has run.
  std::optional<StartMessage> next_;
  bool mineAgain_ = false;
  bool theirsAgain_ = false;
};

// The input delay for a round trip: enough turns to cover it, 2 to 6.
std::uint8_t InputDelayFor(std::int64_t rttMs, std::uint16_t frameMs);
