#pragma once

#include <string>

// Starts this program afresh on a recording, in place of the running one,
// as `velmorane --replay FILE` would (with the same assets and soundfont).
// Returns only when that cannot be done, with the reason in error.
void WatchRecording(const std::string& file, const std::string& assetDir, const std::string& soundFont,
                    std::string& error);
