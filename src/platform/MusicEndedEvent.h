#pragma once

#include <cstdint>

// The SDL user event that tells the game thread the tune playing has ended.
// Register it once with SDL_RegisterEvents; the audio thread pushes an event
// of this type (SDL_PushEvent is thread-safe) and the window loop turns it
// into MusicEnded(g) between the other events. 0 until registered.
std::uint32_t MusicEndedEventType();
void RegisterMusicEndedEvent();
