#pragma once

#include <SDL_keycode.h>

// The virtual-key code the game knows for an SDL key, 0 for keys it ignores:
// Enter (main and keypad) 13, Space 32, arrows 37 to 40, letters 65 to 90.
int VirtualKeyFor(SDL_Keycode key);
