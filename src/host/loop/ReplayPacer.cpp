#include "host/loop/ReplayPacer.h"

#include <algorithm>
#include <string>

#include "state/Game.h"

ReplayPacer::ReplayPacer(ReplayScript script) : script_(std::move(script)) {
  for (const ReplayStep& step : script_.Steps) {
    if (step.What == ReplayStep::Kind::Wait) waitsLeft_ += step.Ms;
    else if (step.Dispatched.Kind == EventKind::Tick) ++ticksLeft_[static_cast<std::size_t>(step.Dispatched.Timer)];
  }
}

std::optional<std::int64_t> ReplayPacer::NextWake(const Game& g, const TimerSchedule& timers,
                                                  std::int64_t now) const {
  if (Finished() || Skipping()) return now;
  if (Paused()) return std::nullopt;
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
  if (Paused() && !Skipping()) return Outcome::NotDue;
  const ReplayStep& step = script_.Steps[next_];
  if (step.What == ReplayStep::Kind::Wait) {
    skipTo_.reset();
    if (Paused()) return Outcome::NotDue;
    if (!waitEnd_) waitEnd_ = now + step.Ms;
    fireTimers();
    if (now < *waitEnd_) return Outcome::NotDue;
    waitEnd_.reset();
    ++next_;
    waitsLeft_ -= step.Ms;
    Took(step.Ms);
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
    if (Skipping()) {
      lastTick_ = now;
    } else {
      if (now < lastTick_ + t.Interval) return Outcome::NotDue;
      lastTick_ = now - lastTick_ > 2 * t.Interval ? now : lastTick_ + t.Interval;
    }
    --ticksLeft_[static_cast<std::size_t>(e.Timer)];
    Took(t.Interval);
  }
  ++next_;
  dispatch(e);
  return Outcome::Ran;
}

void ReplayPacer::Took(std::int64_t ms) {
  played_ += ms;
  if (skipTo_ && played_ >= *skipTo_) skipTo_.reset();
}

void ReplayPacer::Pause(std::int64_t now) {
  if (!pausedAt_) pausedAt_ = now;
}

void ReplayPacer::Resume(std::int64_t now) {
  if (!pausedAt_) return;
  const std::int64_t paused = now - *pausedAt_;
  lastTick_ += paused;
  if (waitEnd_) *waitEnd_ += paused;
  pausedAt_.reset();
}

std::int64_t ReplayPacer::TotalMs(const Game& g) const {
  std::int64_t total = played_ + waitsLeft_;
  for (const TimerId id : kTimerOrder) total += ticksLeft_[static_cast<std::size_t>(id)] * g.TimerById(id).Interval;
  return total;
}
