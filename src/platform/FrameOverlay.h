#pragma once

#include <SDL.h>

#include "platform/Letterbox.h"

// What the window draws over the game's picture: the menu bar and the
// settings dialogs. It sees every window event before the game does.
class FrameOverlay {
 public:
  virtual ~FrameOverlay() = default;
  // True when the overlay took the event (a click on a menu, a key in an
  // open dialog); the game then does not see it.
  virtual bool HandleEvent(const SDL_Event& e) = 0;
  // A key the window took for itself before the overlay saw it (F11,
  // Alt+Enter).
  virtual void KeyTakenByWindow() = 0;
  // Draws over the presented picture, just before it goes to the screen.
  virtual void Draw(SDL_Renderer* renderer, const Viewport& viewport) = 0;
  // True while it needs frames of its own (a menu open, a fading dialog).
  virtual bool WantsFrames() const = 0;
  // True while what it shows holds the game still (an open menu, a dialog
  // the game does not run under).
  virtual bool HoldsGame() const = 0;
};
