#include "host/loop/TimerSchedule.h"

#include "state/Game.h"

void TimerSchedule::Sync(const Game& g, std::int64_t now) {
  for (int i = 0; i < kTimerCount; ++i) {
    const Timer& t = g.TimerById(static_cast<TimerId>(i));
    Slot& s = slots_[i];
    if (s.Seen && s.Generation == t.Generation) continue;
    s.Seen = true;
    s.Generation = t.Generation;
    s.Running = t.Running();
    s.Interval = t.Interval;
    s.Due = now + t.Interval;
  }
}

void TimerSchedule::RestartAll(const Game& g, std::int64_t now) {
  for (Slot& s : slots_) s.Seen = false;
  Sync(g, now);
}

std::optional<std::int64_t> TimerSchedule::NextDue() const {
  std::optional<std::int64_t> next;
  for (const Slot& s : slots_) {
    if (s.Running && (!next || s.Due < *next)) next = s.Due;
  }
  return next;
}

std::optional<TimerId> TimerSchedule::TakeDue(std::int64_t now) {
  for (TimerId id : kTimerOrder) {
    Slot& s = slots_[static_cast<int>(id)];
    if (!s.Running || s.Due > now) continue;
    s.Due += s.Interval;
    if (s.Due <= now) s.Due += ((now - s.Due) / s.Interval + 1) * s.Interval;
    return id;
  }
  return std::nullopt;
}
