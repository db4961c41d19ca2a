#include "platform/Screenshot.h"

#include <SDL.h>
#include <SDL_image.h>

#include "state/Surface.h"

bool SavePng(const Surface& picture, const std::string& path, std::string& error) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<Pixel*>(picture.Pixels().data()), picture.Width(), picture.Height(), 32,
      picture.Width() * static_cast<int>(sizeof(Pixel)), SDL_PIXELFORMAT_RGB888);
  if (!s) {
    error = std::string("cannot make the screenshot: ") + SDL_GetError();
    return false;
  }
  const bool ok = IMG_SavePNG(s, path.c_str()) == 0;
  if (!ok) error = path + ": " + IMG_GetError();
  SDL_FreeSurface(s);
  return ok;
}
