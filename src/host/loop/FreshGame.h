#pragma once

#include "host/replay/Replay.h"

struct Game;

// Puts a new game in place of the one running, started as start says, with
// the title shown: the tune stops, and only the loaded sheets and the
// services (text, sound, screen, the music's backend) are kept.
void StartGameAfresh(Game& g, const ReplayStart& start);
