#pragma once

#include <cstdint>

#include "host/loop/GameHold.h"
#include "host/loop/TimerSchedule.h"
#include "host/replay/Replay.h"

struct Game;

// Plays a replay with no window and no sound on a virtual clock that starts
// at 0 and moves only by 'wait' steps and by held tunes.
class HeadlessRun : public GameHold {
 public:
  // observer, if given, sees every event dispatched, timer ticks included.
  explicit HeadlessRun(Game& g, EventObserver* observer = nullptr) : g_(g), observer_(observer) {}

  // Runs the steps in order until the last one or until the game closes its
  // window. A 'tick' of a timer that is not enabled stops the run: false
  // with the step's line and what is wrong.
  bool Run(const ReplayScript& script, ReplayError& error);
  std::int64_t Now() const { return now_; }

  // Nothing to wait for: held tunes move the virtual clock instead.
  void HoldFor(const std::function<bool()>&) override {}
  void AdvanceVirtualClock(std::int64_t ms) override;

 private:
  // Lets ms of game time pass, firing every timer as it falls due.
  void Wait(std::int64_t ms);

  Game& g_;
  EventObserver* observer_;
  TimerSchedule schedule_;
  std::int64_t now_ = 0;
};
