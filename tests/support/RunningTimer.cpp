#include "support/RunningTimer.h"

std::optional<TimerId> RunningTimer(const Game& g) {
  for (TimerId id : kTimerOrder) {
    if (g.TimerById(id).Running()) return id;
  }
  return std::nullopt;
}
