#include "platform/Fullscreen.h"

bool FullscreenSwitch::Take(const SDL_Event& e) {
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
  if (taken && press && !e.key.repeat) flip_();
  return taken;
}

bool IsFullScreen(SDL_Window* window) {
  return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

void SetFullScreen(SDL_Window* window, bool full, const WindowPlace& windowed) {
  SDL_SetWindowFullscreen(window, full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  if (!full) SDL_SetWindowSize(window, windowed.Width, windowed.Height);
}
