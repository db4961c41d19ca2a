#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/Events.h"
#include "host/race/RaceSession.h"
#include "host/race/RaceTurns.h"
#include "host/race/Transport.h"

struct Game;

// Runs one ready turn of a race: this side's input made now goes out for
// turn + delay, the turn's inputs reach the game, and its digest is
// compared when one is due.
void RunRaceTurn(Game& g, RaceSession& session, RaceTurns& turns, std::uint32_t turn, std::vector<Event> own);

// A race played in real time from a window: what this side's player does
// (in the game keys of player 1) is gathered for the next turn, the turns
// run at the game's pace once both sides' inputs are there, and the race's
// state is told in a line for the screen.
class OnlineRace {
 public:
  using Clock = RaceSession::Clock;
  // began is called when the race begins (and each race after it), with
  // the race's start: the caller puts a new game on its seed in place, at
  // the title, and begins its recording with recorder.
  OnlineRace(Game& g, std::unique_ptr<Transport> transport, RaceSession::Config config, Clock clock,
             EventObserver* recorder, std::function<void(const StartMessage&)> began);

  // The host's race: a new seed, at the game's speed.
  void Offer(std::uint32_t seed, std::uint16_t frameMs) { session_.Offer(seed, frameMs); }
  // This side's own input. False for one the side may not give online (the
  // guest's speed keys), which goes nowhere.
  bool Own(const Event& e);
  // Handles the network and runs the turns due by now (ms of the clock).
  void Turn(std::int64_t now);
  // When Turn has something to do next, from now.
  std::int64_t NextWake(std::int64_t now) const;

  bool Racing() const { return session_.Phase() == RacePhase::Racing; }
  // Whether the race's game has begun (it may be over since).
  bool Begun() const { return begun_; }
  bool Over() const { return session_.Phase() == RacePhase::Over; }
  const RaceSession& Session() const { return session_; }
  // The side's turns of the race begun, which hold the game for a start
  // jingle's length.
  RaceTurns& Turns() { return *turns_; }
  // This side wants another race once this one has its result.
  void WantAgain() { session_.WantAgain(); }
  // Whether the race has waited half a second or more for the other side.
  bool Waiting(std::int64_t now) const;
  // This side leaves the race; the other hears it.
  void Leave() { session_.Leave(); }

 private:
  Game& g_;
  std::unique_ptr<Transport> transport_;
  RaceSession session_;
  EventObserver* recorder_;
  std::optional<RaceTurns> turns_;
  std::function<void(const StartMessage&)> began_;
  RaceRole role_;
  std::vector<Event> own_;
  bool begun_ = false;
  std::uint8_t round_ = 0;
  std::uint32_t turn_ = 0;
  std::int64_t dueAt_ = 0;
  std::int64_t lastRun_ = 0;
};
