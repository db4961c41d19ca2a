#pragma once

#include <vector>

#include "game/Events.h"
#include "host/settings/Settings.h"

struct Game;

// The two-player brightness as the brightness slider sets it.
int DuoBrightness(const Game& g);

// The remembered speed and brightness as the slider events that give them to
// the game at its start, so that a recording begins with them and replays
// the same anywhere; none for a value the game already has.
std::vector<Event> SlidersForSettings(const Game& g, const Settings& s);

// The game's speed and brightness as they are now, into s. A speed the file
// cannot keep (0, a stopped game, or slower than its largest) leaves the one
// kept before.
void TakeSpeedAndBrightness(const Game& g, Settings& s);

// Notices when the game's speed or brightness has changed since the last
// look, whatever changed it (keys, menus, sliders, a replay).
class SpeedAndBrightnessWatch {
 public:
  // Starts from the game's values as they are now.
  void Reset(const Game& g);
  // Whether they differ from the last look; they are the last look then.
  bool Changed(const Game& g);

 private:
  int interval_ = 0;
  int brightness_ = 0;
};
