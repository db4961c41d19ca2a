#pragma once

#include "game/Events.h"
#include "play/PlayFixture.h"

namespace playtest {

// A laid-out stage played with the keyboard.
struct KeyedPlayFixture : PlayFixture {
  void Press(int key) { Dispatch(*game, Event::KeyDown(key)); }
  void Release(int key) { Dispatch(*game, Event::KeyUp(key)); }
};

}  // namespace playtest
