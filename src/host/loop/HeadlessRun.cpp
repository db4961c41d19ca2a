#include "host/loop/HeadlessRun.h"

#include <algorithm>

#include "state/Game.h"

bool HeadlessRun::Run(const ReplayScript& script, ReplayError& error) {
  schedule_.Sync(g_, now_);
  for (const ReplayStep& step : script.Steps) {
    if (g_.CloseRequested) break;
    if (step.What == ReplayStep::Kind::Wait) {
      Wait(step.Ms);
      continue;
    }
    const Event& e = step.Dispatched;
    if (e.Kind == EventKind::Tick && !g_.TimerById(e.Timer).Enabled) {
      error.Line = step.Line;
      error.What = std::string(TimerName(e.Timer)) + " is not enabled";
      return false;
    }
    Dispatch(g_, e, observer_);
    schedule_.Sync(g_, now_);
  }
  return true;
}

void HeadlessRun::AdvanceVirtualClock(std::int64_t ms) {
  now_ += ms;
  schedule_.RestartAll(g_, now_);
}

void HeadlessRun::Wait(std::int64_t ms) {
  const std::int64_t end = now_ + ms;
  while (!g_.CloseRequested) {
    schedule_.Sync(g_, now_);
    const auto due = schedule_.NextDue();
    if (!due || *due > end) break;
    now_ = std::max(now_, *due);
    while (const auto id = schedule_.TakeDue(now_)) {
      Dispatch(g_, Event::Tick(*id), observer_);
      schedule_.Sync(g_, now_);
      if (g_.CloseRequested) return;
    }
  }
  now_ = std::max(now_, end);
}
