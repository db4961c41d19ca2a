#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What a recording played as fast as it can ends in: what
// `velmorane --headless --replay FILE --dump-state` prints, and the picture's
// fingerprint (host/io/PictureHash.h); or, when the recording is malformed or a
// file is missing, one line saying so ("NAME:LINE: what is wrong").
struct PageReplayResult {
  bool Ok = false;
  std::string StateDump;
  std::string PictureHash;
  std::string Error;
};

// Plays the recording text (named name in messages) headless, with no sound.
// seed and stage stand in for --seed and --stage; the recording's own start
// lines win, as on the desktop.
PageReplayResult PlayPageReplay(const std::string& text, const std::string& name, std::optional<std::uint32_t> seed,
                                int stage);
