#pragma once

#include <string>

#include "host/replay/Replay.h"

// Reads and parses the recording in file; false with the reason (as
// "FILE:LINE: what" when it is malformed) and the exit status it calls for
// (host/io/ExitStatus.h).
bool ReadReplayFile(const std::string& file, ReplayScript& script, std::string& error, int& status);
