#pragma once

#include <SDL.h>

// Alt+Enter and F11 switch the window between its window size and the whole
// desktop; the picture keeps its whole-number scale with black bars around.
// The keys belong to the switch, press and release alike, so the game never
// sees this Enter, even when Alt is let go before it.
class FullscreenSwitch {
 public:
  // True when the event is one of the switch's keys (a press switches).
  bool Take(const SDL_Event& e, SDL_Window* window);

 private:
  bool enterTaken_ = false;
};
