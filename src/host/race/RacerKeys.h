#pragma once

#include "game/Events.h"

enum class RaceRole { Host, Guest };

// Each side steers its own racer with its player 1 keys: the host player 1,
// the guest player 2. What a side does becomes the stream's events here,
// before it leaves the side; events a side may not send are nothing.
// Either side pauses; only the host sets the speed.
// The event a side's own key gives in the stream, if any.
bool RacerEvent(RaceRole side, const Event& own, Event& stream);

// Whether an event of the stream may come from that side.
bool MaySend(RaceRole side, const Event& e);

// Whether the key changes the game's speed (A, S), which only the host may.
bool IsSpeedKey(int key);

// Whether the key changes the brightness of this side's screen (Q, W), which
// never enters the stream.
bool IsBrightnessKey(int key);
