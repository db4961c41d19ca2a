#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "game/Events.h"
#include "host/loop/GameHold.h"
#include "host/loop/TurnLoop.h"
#include "host/race/RaceMessages.h"

struct Game;

// A race's turns through the one turn loop, on a clock of the race's own:
// each turn the host's inputs reach the game, then the guest's, and the
// clock moves on to what the game waits for next (in play, the next frame),
// which then fires. Both sides run the same turns on the same game, so they
// stay the same tick for tick; a start jingle holds the game for the tune's
// length on that clock, never for the time a side's sound takes.
class RaceTurns : public GameHold {
 public:
  RaceTurns(Game& g, EventObserver* observer) : g_(g), loop_(g, observer) {}

  // The race begins on a game at its title: the host's speed, then the keys
  // that start the two-player game, reach it in the first turn.
  void Begin(const StartMessage& start);
  void Run(const std::vector<Event>& host, const std::vector<Event>& guest);
  // The race's clock, in ms.
  std::int64_t Now() const { return now_; }
  // How long after this turn the next one falls due on that clock.
  std::int64_t UntilNextTurn() const;
  // The end of a tune (only one side heard it: the game's state does not
  // change).
  void TuneEnded() { loop_.TuneEnded(); }

  void HoldFor(const std::function<bool()>&) override {}
  void AdvanceVirtualClock(std::int64_t ms) override { loop_.HoldFor(ms); }

 private:
  Game& g_;
  TurnLoop loop_;
  std::int64_t now_ = 0;
  std::int64_t frameMs_ = 0;
};
