#pragma once

#include <string>

struct Game;

// Stops and closes whatever tune is playing.
void StopMusic(Game& g);
// Stops the music, then plays file once, with no notice, so it does not repeat.
void PlayTuneOnce(Game& g, const std::string& file);
