#include "host/race/RaceSession.h"

#include <algorithm>

namespace {

// How often a side sends its inputs while it has nothing new: the other
// side learns of it and of its acknowledgements even when a message is lost.
constexpr std::int64_t kResendMs = 50;
constexpr std::int64_t kPingEveryMs = 1000;
// How many round trips the host measures before it sets the input delay.
constexpr std::size_t kProbes = 3;
// How many events one pump handles at most, so a flood never stalls a side.
constexpr int kMaxEventsPerPump = 256;
// How many digests wait for the other side's at most.
constexpr std::size_t kMaxWaitingDigests = 64;
constexpr std::uint8_t kMinDelay = 2, kMaxDelay = 6;
constexpr std::uint16_t kMaxFrameMs = 1000;

std::string RuleText(std::uint16_t protocol, std::uint16_t rules, const std::string& version) {
  return "protocol " + std::to_string(protocol) + ", rules " + std::to_string(rules) + ", version " +
         (version.empty() ? "unknown" : version);
}

}  // namespace

std::uint8_t InputDelayFor(std::int64_t rttMs, std::uint16_t frameMs) {
  const std::int64_t frame = std::max<std::int64_t>(frameMs, 1);
  const std::int64_t turns = (std::max<std::int64_t>(rttMs, 0) + frame - 1) / frame + 1;
  return static_cast<std::uint8_t>(std::clamp<std::int64_t>(turns, kMinDelay, kMaxDelay));
}

RaceSession::RaceSession(Transport& transport, Config config, Clock clock)
    : transport_(transport), config_(std::move(config)), clock_(std::move(clock)) {
  begun_ = lastHeard_ = clock_();
}

void RaceSession::Offer(std::uint32_t seed, std::uint16_t frameMs) { offer_ = StartMessage{seed, frameMs, kMinDelay}; }

void RaceSession::Pump(int waitMs) {
  for (int n = 0; n < kMaxEventsPerPump; ++n) {
    const std::optional<LinkEvent> e = transport_.Poll(n == 0 ? waitMs : 0);
    if (!e) break;
    Handle(*e);
  }
  const std::int64_t now = clock_();
  if (phase_ == RacePhase::Over) return;
  if (phase_ == RacePhase::Connecting && !IsHost() && now - begun_ >= kAnswerMs) {
    End(RaceOutcome::Lost, "nobody answers at " + config_.Joined + " within 10 s", std::nullopt);
    return;
  }
  if (phase_ != RacePhase::Connecting && now - lastHeard_ >= kGoneMs) {
    End(RaceOutcome::Lost, "nothing came from the other player for 15 s: the race is over", ByeReason::Lost);
    return;
  }
  if (phase_ != RacePhase::Racing) return;
  if (inputsChanged_ || now - lastSent_ >= kResendMs) SendInputs();
  if (now - lastPing_ >= kPingEveryMs) SendPing(Delivery::Unreliable);
}

void RaceSession::Handle(const LinkEvent& e) {
  switch (e.What) {
    case LinkEvent::Kind::Connected:
      if (IsHost() && (peer_ || phase_ == RacePhase::Over)) {
        SendTo(e.Peer, RejectMessage{RejectReason::Full, config_.Protocol, config_.Rules, config_.Version},
               Delivery::Reliable);
        transport_.Disconnect(e.Peer, static_cast<std::uint32_t>(ByeReason::Refused));
        return;
      }
      peer_ = e.Peer;
      phase_ = RacePhase::Handshake;
      lastHeard_ = clock_();
      if (!IsHost()) {
        Send(HelloMessage{config_.Protocol, config_.Rules, config_.Version}, Delivery::Reliable);
      } else if (e.Data != config_.Protocol) {
        Refuse(RejectReason::Protocol);
      }
      return;
    case LinkEvent::Kind::Received: {
      if (!peer_ || e.Peer != *peer_) return;
      lastHeard_ = clock_();
      std::string why;
      const std::optional<RaceMessage> m = DecodeMessage(e.Bytes, why);
      if (m) HandleMessage(*m);
      else TellBadMessage(why);
      return;
    }
    case LinkEvent::Kind::Disconnected:
      if (!peer_ || e.Peer != *peer_) return;
      otherGone_ = true;
      OnBye(static_cast<ByeReason>(e.Data));
      return;
  }
}

void RaceSession::HandleMessage(const RaceMessage& m) {
  if (const auto* hello = std::get_if<HelloMessage>(&m)) OnHello(*hello);
  else if (const auto* reject = std::get_if<RejectMessage>(&m)) OnReject(*reject);
  else if (const auto* ping = std::get_if<PingMessage>(&m)) OnPing(*ping);
  else if (const auto* start = std::get_if<StartMessage>(&m)) OnStart(*start);
  else if (const auto* input = std::get_if<InputMessage>(&m)) OnInput(*input);
  else if (const auto* digest = std::get_if<DigestMessage>(&m)) OnDigest(*digest);
  else if (const auto* end = std::get_if<EndMessage>(&m); end && !IsHost()) lastTurn_ = end->LastTurn;
  else if (std::holds_alternative<AgainMessage>(m)) OnAgain();
}

void RaceSession::OnHello(const HelloMessage& m) {
  if (!IsHost() || phase_ != RacePhase::Handshake || !probes_.empty()) return;
  otherVersion_ = m.Version;
  if (m.Protocol != config_.Protocol) {
    Refuse(RejectReason::Protocol);
  } else if (m.Rules != config_.Rules) {
    Refuse(RejectReason::Rules);
  } else {
    SendPing(Delivery::Reliable);
  }
}

void RaceSession::Refuse(RejectReason reason) {
  if (config_.Tell) {
    config_.Tell("a program that cannot race with this one was refused (it has " +
                 (otherVersion_.empty() ? std::string("another protocol") : "version " + otherVersion_) + ")");
  }
  Send(RejectMessage{reason, config_.Protocol, config_.Rules, config_.Version}, Delivery::Reliable);
  transport_.Disconnect(*peer_, static_cast<std::uint32_t>(ByeReason::Refused));
  peer_.reset();
  otherVersion_.clear();
  phase_ = RacePhase::Connecting;
}

void RaceSession::OnReject(const RejectMessage& m) {
  if (IsHost()) return;
  otherVersion_ = m.Version;
  const std::string theirs = RuleText(m.Protocol, m.Rules, m.Version);
  const std::string ours = RuleText(config_.Protocol, config_.Rules, config_.Version);
  switch (m.Reason) {
    case RejectReason::Protocol:
    case RejectReason::Rules:
      End(RaceOutcome::Refused, "the host at " + config_.Joined + " cannot race with this program: it has " + theirs +
                                    ", this program " + ours,
          std::nullopt);
      break;
    case RejectReason::Full:
      End(RaceOutcome::Refused, "the race at " + config_.Joined + " is full", std::nullopt);
      break;
  }
}

void RaceSession::OnPing(const PingMessage& m) {
  const Delivery how = phase_ == RacePhase::Racing ? Delivery::Unreliable : Delivery::Reliable;
  if (!m.Answer) {
    Send(PingMessage{true, m.Stamp}, how);
    return;
  }
  rttMs_ = static_cast<std::uint32_t>(clock_()) - m.Stamp;
  if (!IsHost() || phase_ != RacePhase::Handshake || !offer_) return;
  probes_.push_back(rttMs_);
  if (probes_.size() < kProbes) {
    SendPing(Delivery::Reliable);
    return;
  }
  StartMessage start = *offer_;
  start.Delay = InputDelayFor(*std::max_element(probes_.begin(), probes_.end()), start.FrameMs);
  Send(start, Delivery::Reliable);
  if (lastTurn_) Send(EndMessage{*lastTurn_}, Delivery::Reliable);
  Apply(start);
}

void RaceSession::Apply(const StartMessage& start) {
  start_ = start;
  gate_.emplace(start.Delay);
  localDigests_.clear();
  remoteDigests_.clear();
  ranThrough_.reset();
  next_.reset();
  mineAgain_ = theirsAgain_ = false;
  phase_ = RacePhase::Racing;
}

void RaceSession::SwitchIfDue() {
  if (next_ && ranThrough_ && *ranThrough_ >= next_->After) Apply(*next_);
}

void RaceSession::WantAgain() {
  if (phase_ != RacePhase::Racing || mineAgain_) return;
  mineAgain_ = true;
  Send(AgainMessage{}, Delivery::Reliable);
  StartAgainIfBothWant();
}

void RaceSession::OnAgain() {
  if (phase_ != RacePhase::Racing) return;
  theirsAgain_ = true;
  StartAgainIfBothWant();
}

// The new race's seed comes from the clock, as a first race's does.
void RaceSession::StartAgainIfBothWant() {
  if (!IsHost() || !mineAgain_ || !theirsAgain_ || next_) return;
  StartMessage again = *start_;
  again.Seed = static_cast<std::uint32_t>(clock_()) ^ (start_->Seed * 2654435761u);
  again.Round = static_cast<std::uint8_t>(start_->Round + 1);
  again.After = gate_->ScheduledEnd() - 1;
  Send(again, Delivery::Reliable);
  next_ = again;
  SwitchIfDue();
}

void RaceSession::OnStart(const StartMessage& m) {
  if (IsHost()) return;
  if (phase_ == RacePhase::Racing && m.Round == static_cast<std::uint8_t>(start_->Round + 1) &&
      m.Delay == start_->Delay && m.FrameMs == start_->FrameMs && !next_) {
    next_ = m;
    SwitchIfDue();
    return;
  }
  if (phase_ != RacePhase::Handshake) return;
  if (m.Round != 0 || m.After != 0 || m.Delay < kMinDelay || m.Delay > kMaxDelay || m.FrameMs == 0 || m.FrameMs > kMaxFrameMs) {
    End(RaceOutcome::Refused, "the host at " + config_.Joined + " offered a race this program cannot run",
        ByeReason::Refused);
    return;
  }
  Apply(m);
}

void RaceSession::OnInput(const InputMessage& m) {
  if (!gate_ || m.Round != start_->Round) return;
  const RaceRole other = IsHost() ? RaceRole::Guest : RaceRole::Host;
  for (const std::vector<Event>& turn : m.Turns) {
    for (const Event& e : turn) {
      if (!MaySend(other, e)) {
        TellBadMessage("inputs the other side may not send");
        return;
      }
    }
  }
  if (!gate_->Receive(m)) TellBadMessage("inputs for turns never sent");
}

void RaceSession::OnDigest(const DigestMessage& m) {
  if (!start_ || m.Round != start_->Round || remoteDigests_.size() >= kMaxWaitingDigests) return;
  remoteDigests_.emplace(m.Turn, m.Value);
  CompareDigests();
}

void RaceSession::OnBye(ByeReason reason) {
  switch (reason) {
    case ByeReason::Left:
    case ByeReason::Finished: End(RaceOutcome::Left, "The other player left", std::nullopt); break;
    case ByeReason::Desync:
      End(RaceOutcome::Desync, "the other player's game went another way than this one", std::nullopt);
      break;
    case ByeReason::Refused:
      End(RaceOutcome::Refused, "the other program refused the race", std::nullopt);
      break;
    default: End(RaceOutcome::Lost, "the connection to the other player was lost", std::nullopt); break;
  }
}

void RaceSession::Schedule(std::uint32_t turn, std::vector<Event> events) {
  if (!gate_ || (next_ && turn + gate_->Delay() > next_->After)) return;
  gate_->Schedule(turn, std::move(events));
  inputsChanged_ = true;
  SendInputs();
}

bool RaceSession::Ready(std::uint32_t turn) const {
  return phase_ == RacePhase::Racing && gate_->Ready(turn) && (!lastTurn_ || turn <= *lastTurn_) &&
         (!next_ || turn <= next_->After);
}

const std::vector<Event>& RaceSession::HostEvents(std::uint32_t turn) const {
  return IsHost() ? gate_->Local(turn) : gate_->Remote(turn);
}

const std::vector<Event>& RaceSession::GuestEvents(std::uint32_t turn) const {
  return IsHost() ? gate_->Remote(turn) : gate_->Local(turn);
}

bool RaceSession::DigestDue(std::uint32_t turn) const {
  return turn == 1 || turn % 10 == 0 || (lastTurn_ && turn == *lastTurn_);
}

void RaceSession::Ran(std::uint32_t turn, std::optional<std::uint64_t> digest) {
  if (!gate_ || phase_ == RacePhase::Over) return;
  gate_->Ran(turn);
  ranThrough_ = turn;
  if (digest) {
    if (localDigests_.size() >= kMaxWaitingDigests) localDigests_.erase(localDigests_.begin());
    localDigests_[turn] = *digest;
    Send(DigestMessage{start_->Round, turn, *digest}, Delivery::Reliable);
    CompareDigests();
  }
  SwitchIfDue();
}

void RaceSession::EndAfter(std::uint32_t lastTurn) {
  lastTurn_ = lastTurn;
  if (IsHost() && phase_ == RacePhase::Racing) Send(EndMessage{lastTurn}, Delivery::Reliable);
}

void RaceSession::CompareDigests() {
  for (auto local = localDigests_.begin(); local != localDigests_.end();) {
    const auto remote = remoteDigests_.find(local->first);
    if (remote == remoteDigests_.end()) {
      ++local;
      continue;
    }
    const std::uint32_t turn = local->first;
    if (remote->second != local->second) {
      desyncTurn_ = turn;
      desyncLocal_ = local->second;
      desyncRemote_ = remote->second;
      End(RaceOutcome::Desync, "the two games went different ways by turn " + std::to_string(turn), ByeReason::Desync);
      return;
    }
    remoteDigests_.erase(remote);
    local = localDigests_.erase(local);
    if (lastTurn_ && turn == *lastTurn_) {
      End(RaceOutcome::Finished, "the race ran to its end", ByeReason::Finished);
      return;
    }
  }
}

bool RaceSession::Slow() const {
  return phase_ != RacePhase::Connecting && phase_ != RacePhase::Over && clock_() - lastHeard_ >= kSlowMs;
}

void RaceSession::Leave() { End(RaceOutcome::Left, "you left the race", ByeReason::Left); }

void RaceSession::SendInputs() {
  InputMessage m = gate_->Outgoing();
  m.Round = start_->Round;
  Send(m, Delivery::Unreliable);
  lastSent_ = clock_();
  inputsChanged_ = false;
}

void RaceSession::SendPing(Delivery how) {
  lastPing_ = clock_();
  Send(PingMessage{false, static_cast<std::uint32_t>(lastPing_)}, how);
}

void RaceSession::Send(const RaceMessage& m, Delivery how) {
  if (peer_) SendTo(*peer_, m, how);
}

void RaceSession::SendTo(PeerId peer, const RaceMessage& m, Delivery how) {
  const std::vector<std::uint8_t> bytes = EncodeMessage(m);
  transport_.Send(peer, bytes, how);
}

void RaceSession::TellBadMessage(const std::string& why) {
  if (toldBadMessage_ || !config_.Tell) return;
  toldBadMessage_ = true;
  config_.Tell("a message from the other side was dropped: " + why);
}

void RaceSession::End(RaceOutcome outcome, std::string message, std::optional<ByeReason> tell) {
  if (phase_ == RacePhase::Over) return;
  outcome_ = outcome;
  message_ = std::move(message);
  phase_ = RacePhase::Over;
  if (tell && peer_) transport_.Disconnect(*peer_, static_cast<std::uint32_t>(*tell));
}
