#pragma once

#include <string>
#include <vector>

#include "host/race/RaceMessages.h"
#include "host/race/RacerKeys.h"

// The comment lines an online race's recording begins with: which side
// made it, where the race was, both programs' versions and the input delay.
// The two sides' recordings differ only in these.
std::vector<std::string> RaceRecordingNotes(RaceRole side, const std::string& where, const std::string& version,
                                            const std::string& otherVersion, const StartMessage& start);
