#pragma once

#include <cstdint>

// A timer of the main window as data. The platform's clock fires it; every
// change of Enabled or Interval bumps Generation so the clock restarts its
// count from the moment of the change. Interval 0 stops the ticks.
struct Timer {
  bool Enabled = false;
  std::int32_t Interval = 0;
  std::uint32_t Generation = 0;

  void SetEnabled(bool on) {
    if (Enabled != on) {
      Enabled = on;
      ++Generation;
    }
  }
  void SetInterval(std::int32_t ms) {
    if (Interval != ms) {
      Interval = ms;
      ++Generation;
    }
  }
  bool Running() const { return Enabled && Interval > 0; }
};

enum class TimerId { TitleTimer, Timer1, Timer2, ClearTimer, EndingTimer };
constexpr int kTimerCount = 5;
// Timers due at the same moment fire in this order.
constexpr TimerId kTimerOrder[kTimerCount] = {TimerId::TitleTimer, TimerId::Timer1, TimerId::Timer2,
                                              TimerId::ClearTimer, TimerId::EndingTimer};
const char* TimerName(TimerId id);
bool TimerFromName(const char* name, TimerId& id);
