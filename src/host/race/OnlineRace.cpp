#include "host/race/OnlineRace.h"

#include <algorithm>

#include "host/race/StateDigest.h"

namespace {

// How often the network is looked at, even while the next turn is not due:
// the other side's messages are answered soon, which keeps the round trip
// the network's own.
constexpr std::int64_t kNetworkLookMs = 5;
// How long a turn waits before the screen says so.
constexpr std::int64_t kWaitShownMs = 500;

}  // namespace

void RunRaceTurn(Game& g, RaceSession& session, RaceTurns& turns, std::uint32_t turn, std::vector<Event> own) {
  session.Schedule(turn, std::move(own));
  turns.Run(session.HostEvents(turn), session.GuestEvents(turn));
  session.Ran(turn, session.DigestDue(turn) ? std::optional(RaceStateDigest(g, turn)) : std::nullopt);
}

OnlineRace::OnlineRace(Game& g, std::unique_ptr<Transport> transport, RaceSession::Config config, Clock clock,
                       EventObserver* recorder, std::function<void(const StartMessage&)> began)
    : g_(g),
      transport_(std::move(transport)),
      session_(*transport_, config, std::move(clock)),
      recorder_(recorder),
      began_(std::move(began)),
      role_(config.Role) {}

bool OnlineRace::Own(const Event& e) {
  Event stream;
  if (!RacerEvent(role_, e, stream)) return false;
  own_.push_back(stream);
  return true;
}

void OnlineRace::Turn(std::int64_t now) {
  session_.Pump(0);
  const std::optional<StartMessage>& start = session_.Start();
  if (start && (!begun_ || start->Round != round_)) {
    began_(*start);
    turns_.emplace(g_, recorder_);
    turns_->Begin(*start);
    begun_ = true;
    round_ = start->Round;
    turn_ = 0;
    own_.clear();
    dueAt_ = lastRun_ = now;
  }
  if (!begun_ || now < dueAt_ || !session_.Ready(turn_)) return;
  const std::size_t count = std::min(own_.size(), kMaxEventsPerTurn);
  std::vector<Event> own(own_.begin(), own_.begin() + static_cast<std::ptrdiff_t>(count));
  own_.erase(own_.begin(), own_.begin() + static_cast<std::ptrdiff_t>(count));
  RunRaceTurn(g_, session_, *turns_, turn_, std::move(own));
  ++turn_;
  lastRun_ = now;
  // The turns keep their rhythm after a short wait for the network, but
  // never run in a burst to catch up a long one.
  const std::int64_t until = turns_->UntilNextTurn();
  dueAt_ = std::max(dueAt_ + until, now);
}

std::int64_t OnlineRace::NextWake(std::int64_t now) const {
  if (begun_ && session_.Ready(turn_)) return std::min(dueAt_, now + kNetworkLookMs);
  return now + kNetworkLookMs;
}

bool OnlineRace::Waiting(std::int64_t now) const {
  return begun_ && !Over() && !session_.Ready(turn_) && now - std::max(dueAt_, lastRun_) >= kWaitShownMs;
}
