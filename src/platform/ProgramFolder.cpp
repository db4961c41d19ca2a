#include "platform/ProgramFolder.h"

#include <SDL_filesystem.h>
#include <SDL_stdinc.h>

std::filesystem::path ProgramFolder() {
  char* base = SDL_GetBasePath();
  if (!base) return {};
  std::filesystem::path folder = base;
  SDL_free(base);
  return folder;
}
