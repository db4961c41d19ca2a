#include "state/Timer.h"

#include <cstring>

namespace {
const char* const kNames[kTimerCount] = {"TitleTimer", "Timer1", "Timer2", "ClearTimer", "EndingTimer"};
}

const char* TimerName(TimerId id) { return kNames[static_cast<int>(id)]; }

bool TimerFromName(const char* name, TimerId& id) {
  for (int i = 0; i < kTimerCount; ++i) {
    if (std::strcmp(name, kNames[i]) == 0) {
      id = static_cast<TimerId>(i);
      return true;
    }
  }
  return false;
}
