#include "platform/Fullscreen.h"

namespace {

void ToggleFullscreen(SDL_Window* window) {
  const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

}  // namespace

bool FullscreenSwitch::Take(const SDL_Event& e, SDL_Window* window) {
  if (e.type != SDL_KEYDOWN && e.type != SDL_KEYUP) return false;
  const SDL_Keysym& k = e.key.keysym;
  const bool press = e.type == SDL_KEYDOWN;
  bool taken = false;
  if (k.sym == SDLK_F11) {
    taken = true;
  } else if (k.sym == SDLK_RETURN || k.sym == SDLK_KP_ENTER) {
    if (press) enterTaken_ = (k.mod & KMOD_ALT) != 0;
    taken = enterTaken_;
    if (!press) enterTaken_ = false;
  }
  if (taken && press && !e.key.repeat) ToggleFullscreen(window);
  return taken;
}
