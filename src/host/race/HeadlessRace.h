#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/Events.h"
#include "host/race/RaceSession.h"
#include "host/race/RaceTurns.h"

struct Game;

// How long a headless host waits for a guest.
constexpr std::int64_t kHeadlessGuestWaitMs = 60000;

// The exit status for how a race ended.
int RaceExitStatus(RaceOutcome outcome);

// Runs a race with no window as fast as both sides allow, this side playing
// own (its inputs turn by turn; empty turns past their end) until the host's
// last turn. begin sets the game up on the race's seed once the race starts.
// The exit status, and one line saying how the race ended.
int RunHeadlessRace(Game& g, RaceSession& session, RaceTurns& turns, const std::vector<std::vector<Event>>& own,
                    const std::function<void(const StartMessage&)>& begin, std::string& message);
