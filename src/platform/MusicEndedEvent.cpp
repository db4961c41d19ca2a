#include "platform/MusicEndedEvent.h"

#include <SDL.h>

namespace {
std::uint32_t gMusicEndedType = 0;
}

std::uint32_t MusicEndedEventType() { return gMusicEndedType; }

void RegisterMusicEndedEvent() {
  if (gMusicEndedType != 0) return;
  const Uint32 type = SDL_RegisterEvents(1);
  if (type != static_cast<Uint32>(-1)) gMusicEndedType = type;
}
