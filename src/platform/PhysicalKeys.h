#pragma once

#include <string_view>

#include <SDL_keycode.h>

// The name the settings give a key of the keyboard (PhysicalKeyNames), or ""
// for a key that cannot be bound. Enter on the main block and on the keypad
// are one key, as the game has always taken them.
std::string_view PhysicalKeyName(SDL_Keycode key);
