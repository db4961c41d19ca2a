#pragma once

#include <optional>

#include "state/Game.h"

// The timer that ticks now, the first in firing order that is on with an
// interval; none while the game is stopped.
std::optional<TimerId> RunningTimer(const Game& g);
