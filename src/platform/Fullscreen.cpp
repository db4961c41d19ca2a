#include "platform/Fullscreen.h"

bool IsFullscreenKey(const SDL_Event& e) {
  if (e.type != SDL_KEYDOWN && e.type != SDL_KEYUP) return false;
  const SDL_Keysym& k = e.key.keysym;
  if (k.sym == SDLK_F11) return true;
  return (k.sym == SDLK_RETURN || k.sym == SDLK_KP_ENTER) && (k.mod & KMOD_ALT) != 0;
}

void ToggleFullscreen(SDL_Window* window) {
  const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}
