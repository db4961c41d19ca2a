#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "game/Events.h"
#include "host/loop/TimerSchedule.h"
#include "host/replay/Replay.h"

struct Game;

// Plays a recording in real time, as the window and the page show one: a
// tick keeps the rhythm of its timer (after a stall the rhythm starts again
// from now rather than catching up), a wait lets its time pass with the
// game's timers firing, and every other event runs at once.
class ReplayPacer {
 public:
  explicit ReplayPacer(ReplayScript script) : script_(std::move(script)) {}

  bool Finished() const { return next_ >= script_.Steps.size(); }
  // The rhythm of the ticks starts from now (at the start, after a hold).
  void Restart(std::int64_t now) { lastTick_ = now; }
  // When the next step falls due: now for an event or the end; a tick's
  // moment in its timer's rhythm; during a wait, its end or the timers' next
  // tick, whichever comes first.
  std::int64_t NextWake(const Game& g, const TimerSchedule& timers, std::int64_t now) const;

  enum class Outcome { Ran, NotDue, Failed };
  // Takes the next step if it is due by now (not to be called once
  // Finished): Ran when an event went to dispatch or a wait ended; NotDue
  // when a tick's moment has not come or a wait goes on, its due timers
  // fired through fireTimers; Failed, with the line and what is wrong, for a
  // tick of a timer the game does not run.
  Outcome Step(const Game& g, std::int64_t now, const std::function<void(const Event&)>& dispatch,
               const std::function<void()>& fireTimers, ReplayError& error);

 private:
  ReplayScript script_;
  std::size_t next_ = 0;
  std::int64_t lastTick_ = 0;  // when the last tick ran
  std::optional<std::int64_t> waitEnd_;
};
