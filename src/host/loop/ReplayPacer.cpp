#include "host/loop/ReplayPacer.h"

#include <algorithm>
#include <string>

#include "state/Game.h"

std::int64_t ReplayPacer::NextWake(const Game& g, const TimerSchedule& timers, std::int64_t now) const {
  if (Finished()) return now;
  const ReplayStep& step = script_.Steps[next_];
  if (step.What == ReplayStep::Kind::Wait) {
    const std::int64_t end = waitEnd_.value_or(now);
    const auto due = timers.NextDue();
    return due ? std::min(end, *due) : end;
  }
  if (step.Dispatched.Kind == EventKind::Tick) return lastTick_ + g.TimerById(step.Dispatched.Timer).Interval;
  return now;
}

ReplayPacer::Outcome ReplayPacer::Step(const Game& g, std::int64_t now,
                                       const std::function<void(const Event&)>& dispatch,
                                       const std::function<void()>& fireTimers, ReplayError& error) {
  const ReplayStep& step = script_.Steps[next_];
  if (step.What == ReplayStep::Kind::Wait) {
    if (!waitEnd_) waitEnd_ = now + step.Ms;
    fireTimers();
    if (now < *waitEnd_) return Outcome::NotDue;
    waitEnd_.reset();
    ++next_;
    return Outcome::Ran;
  }
  const Event& e = step.Dispatched;
  if (e.Kind == EventKind::Tick) {
    const Timer& t = g.TimerById(e.Timer);
    if (!t.Enabled) {
      error.Line = step.Line;
      error.What = std::string(TimerName(e.Timer)) + " is not enabled";
      return Outcome::Failed;
    }
    if (now < lastTick_ + t.Interval) return Outcome::NotDue;
    lastTick_ = now - lastTick_ > 2 * t.Interval ? now : lastTick_ + t.Interval;
  }
  ++next_;
  dispatch(e);
  return Outcome::Ran;
}
