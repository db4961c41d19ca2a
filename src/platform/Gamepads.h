#pragma once

#include <map>
#include <vector>

#include <SDL.h>

#include "host/settings/PadKeys.h"

// The game controllers, opened as they are plugged in and closed as they go;
// their buttons and sticks come out as the game's key events.
class Gamepads {
 public:
  Gamepads() = default;
  ~Gamepads();
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  // Starts SDL's game-controller system; pads already plugged in arrive as
  // device-added events. False when there is none to be had (no pads then).
  bool Open();
  // The game keys a controller event presses or releases; none for other
  // events.
  std::vector<pad::KeyChange> KeyChangesFor(const SDL_Event& e);

 private:
  // Opens the controller at an SDL device index if a player's place is free.
  void Adopt(int device);

  bool open_ = false;
  pad::PadKeys keys_;
  std::map<SDL_JoystickID, SDL_GameController*> controllers_;
};
