#include "host/race/HeadlessRace.h"

#include "base/SteadyClock.h"
#include "host/io/ExitStatus.h"
#include "host/race/OnlineRace.h"

namespace {

constexpr int kWaitMs = 5;
// How long a side that finished first waits for the other to finish too.
constexpr std::int64_t kLingerMs = 5000;

}  // namespace

int RaceExitStatus(RaceOutcome outcome) {
  switch (outcome) {
    case RaceOutcome::Finished: return 0;
    case RaceOutcome::Desync: return kRaceDesync;
    case RaceOutcome::Refused: return kRaceRefused;
    default: return kRaceLost;
  }
}

int RunHeadlessRace(Game& g, RaceSession& session, RaceTurns& turns, const std::vector<std::vector<Event>>& own,
                    const std::function<void(const StartMessage&)>& begin, std::string& message) {
  const std::int64_t waitUntil = SteadyMs() + kHeadlessGuestWaitMs;
  bool begun = false;
  std::uint32_t turn = 0;
  while (session.Phase() != RacePhase::Over) {
    session.Pump(begun && session.Ready(turn) ? 0 : kWaitMs);
    if (!begun && session.Start()) {
      begin(*session.Start());
      turns.Begin(*session.Start());
      begun = true;
    }
    if (!begun) {
      if (session.Phase() == RacePhase::Connecting && SteadyMs() > waitUntil) {
        message = "nobody joined the race within " + std::to_string(kHeadlessGuestWaitMs / 1000) + " s";
        return kRaceLost;
      }
      continue;
    }
    for (; session.Ready(turn); ++turn) {
      RunRaceTurn(g, session, turns, turn, turn < own.size() ? own[turn] : std::vector<Event>{});
    }
  }
  const std::int64_t lingerUntil = SteadyMs() + kLingerMs;
  while (session.Outcome() == RaceOutcome::Finished && !session.OtherGone() && SteadyMs() < lingerUntil) {
    session.Pump(kWaitMs);
  }
  message = session.Message();
  return RaceExitStatus(*session.Outcome());
}
