#pragma once

#include <filesystem>

#include "score.h"

namespace assetgen {

// Writes a format-1 standard MIDI file: a conductor track with tempo and
// metre, then one track per score track. Every track ends exactly at the
// end of the last bar, so a player that restarts the tune loops in time.
void WriteMidi(const std::filesystem::path& path, const Score& score);

}  // namespace assetgen
