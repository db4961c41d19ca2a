#pragma once

#include <SDL.h>

// Alt+Enter and F11 switch the window between its window size and the whole
// desktop; the picture keeps its whole-number scale with black bars around.
// Both the key's press and its release belong to the switch, so the game
// never sees this Enter.
bool IsFullscreenKey(const SDL_Event& e);
void ToggleFullscreen(SDL_Window* window);
