#pragma once

#include <string>

#include "game/Events.h"

struct Game;

// What a speed or brightness dialog shows when it opens: its slider's
// position and the label beside it.
struct SliderShown {
  int Position = 0;
  std::string Label;

  bool operator==(const SliderShown&) const = default;
};

// The game's own value (the frame interval, the two-player brightness), the
// slider held within its range and the label naming the value itself; or,
// with classic dialogs, what the dialog showed when it was last closed
// ("Label1" before its first move), whatever the keys did since.
SliderShown SliderOnOpening(const Game& g, SliderId dialog, bool classic);
