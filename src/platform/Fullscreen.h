#pragma once

#include <functional>

#include <SDL.h>

#include "platform/WindowScales.h"

// Alt+Enter and F11 switch the window between its window size and the whole
// desktop; the picture keeps its whole-number scale with black bars around.
// The keys belong to the switch, press and release alike, so the game never
// sees this Enter, even when Alt is let go before it.
class FullscreenSwitch {
 public:
  explicit FullscreenSwitch(std::function<void()> flip) : flip_(std::move(flip)) {}
  // True when the event is one of the switch's keys (a press flips).
  bool Take(const SDL_Event& e);

 private:
  std::function<void()> flip_;
  bool enterTaken_ = false;
};

bool IsFullScreen(SDL_Window* window);

// Takes the window to the whole desktop, or back to the windowed size. A
// window manager that ignores the request leaves the window as it was while
// SDL takes it to be screen-sized, and nothing tells SDL otherwise: so the
// windowed size is set again on the way back.
void SetFullScreen(SDL_Window* window, bool full, const WindowPlace& windowed);
