#pragma once

#include <array>
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
//
// The watcher may pause it, and skip ahead: the recording's steps for the
// next stretch of recorded time run at once. Recorded time is the time the
// steps take when played: a tick's interval, a wait's length.
class ReplayPacer {
 public:
  explicit ReplayPacer(ReplayScript script);

  bool Finished() const { return next_ >= script_.Steps.size(); }
  // The rhythm of the ticks starts from now (at the start, after a hold).
  void Restart(std::int64_t now) { lastTick_ = now; }
  // When the next step falls due: now for an event or the end, or while
  // skipping ahead; a tick's moment in its timer's rhythm; during a wait,
  // its end or the timers' next tick, whichever comes first.
  // Empty while paused.
  std::optional<std::int64_t> NextWake(const Game& g, const TimerSchedule& timers, std::int64_t now) const;

  enum class Outcome { Ran, NotDue, Failed };
  // Takes the next step if it is due by now (not to be called once
  // Finished): Ran when an event went to dispatch or a wait ended; NotDue
  // when a tick's moment has not come or a wait goes on, its due timers
  // fired through fireTimers; Failed, with the line and what is wrong, for a
  // tick of a timer the game does not run.
  Outcome Step(const Game& g, std::int64_t now, const std::function<void(const Event&)>& dispatch,
               const std::function<void()>& fireTimers, ReplayError& error);

  // Pausing holds every step until Resume; the rhythm, and a wait, go on
  // from where they stood.
  void Pause(std::int64_t now);
  void Resume(std::int64_t now);
  bool Paused() const { return pausedAt_.has_value(); }
  // The steps for the next ms of recorded time are due at once, paused or
  // not; a wait ends the skip, since its time passes only on the clock.
  void SkipAhead(std::int64_t ms) { skipTo_ = played_ + ms; }
  bool Skipping() const { return skipTo_.has_value(); }

  // The recorded time played so far, and the whole recording's, reckoned
  // with the intervals the game's timers have now.
  std::int64_t PlayedMs() const { return played_; }
  std::int64_t TotalMs(const Game& g) const;

 private:
  void Took(std::int64_t ms);

  ReplayScript script_;
  std::size_t next_ = 0;
  std::int64_t lastTick_ = 0;  // when the last tick ran
  std::optional<std::int64_t> waitEnd_;
  std::optional<std::int64_t> pausedAt_;
  std::optional<std::int64_t> skipTo_;
  std::int64_t played_ = 0;
  // The ticks of each timer, and the waits' time, still to come.
  std::array<std::int64_t, kTimerCount> ticksLeft_{};
  std::int64_t waitsLeft_ = 0;
};
