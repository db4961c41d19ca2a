#pragma once

#include <string>
#include <vector>

#include "game/Events.h"
#include "host/race/RacerKeys.h"
#include "host/replay/Replay.h"

// A side's own keys for a headless race, turn by turn, as the stream will
// carry them: the script's 'tick Timer1' lines mark the turns, the keys
// between the k-th and the next happen in turn k. False with the line and
// what is wrong.
bool ReadRaceInputs(const ReplayScript& script, RaceRole side, std::vector<std::vector<Event>>& turns,
                    ReplayError& error);
