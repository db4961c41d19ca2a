#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "state/Timer.h"

struct Game;

// When each of the five timers ticks next, on any millisecond clock (the
// window's monotonic clock or the headless virtual clock). A timer's first
// tick is one interval after it was enabled or its interval changed. Ticks
// that fell due while another handler ran, or during a stall, are merged into
// the one tick that fires late: there is never a burst of catch-up ticks, and
// the ticks after it keep their original rhythm.
class TimerSchedule {
 public:
  // Picks up timers switched on, off or re-timed since the last call: a
  // changed timer counts its interval from now.
  void Sync(const Game& g, std::int64_t now);
  // Restarts every running timer's count from now (after the game was held).
  void RestartAll(const Game& g, std::int64_t now);
  // The earliest moment a running timer is due, if any runs.
  std::optional<std::int64_t> NextDue() const;
  // The first timer, in firing order, due at or before now; it is taken as
  // fired: its next tick is due one interval after the tick it just had, or
  // later in the same rhythm if that moment has passed too.
  std::optional<TimerId> TakeDue(std::int64_t now);

 private:
  struct Slot {
    bool Running = false;
    std::int32_t Interval = 0;
    std::uint32_t Generation = 0;
    bool Seen = false;
    std::int64_t Due = 0;
  };
  std::array<Slot, kTimerCount> slots_{};
};
