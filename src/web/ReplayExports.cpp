// The page's door to a headless replay (web/page.js calls these).
#include <emscripten/emscripten.h>

#include <limits>
#include <optional>
#include <string>

#include "host/replay/Replay.h"
#include "state/StageNumbers.h"
#include "web/PageCalls.h"
#include "web/PageReplay.h"

namespace {

PageReplayResult last;

constexpr double kMaxSeed = std::numeric_limits<std::uint32_t>::max();

}  // namespace

extern "C" {

// Plays text to its end, with the seed given (seeded) unless the recording
// has its own; 1 when it ran, 0 when velmorane_replay_error says why.
EMSCRIPTEN_KEEPALIVE int velmorane_replay(const char* text, const char* name, int seeded, double seed, int stage) {
  if (!CheckText("the recording", text) || !CheckText("the recording's name", name) ||
      !CheckRange("seeded", seeded, 0, 1) || (seeded && !CheckWhole("seed", seed, 0, kMaxSeed)) ||
      !CheckRange("stage", stage, kFirstStage, kLastStage)) {
    return 0;
  }
  const auto given = seeded ? std::optional<std::uint32_t>(static_cast<std::uint32_t>(seed)) : std::nullopt;
  last = PlayPageReplay(text, name, given, stage);
  return last.Ok ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* velmorane_replay_dump() { return last.StateDump.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* velmorane_replay_hash() { return last.PictureHash.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* velmorane_replay_error() { return last.Error.c_str(); }

}  // extern "C"
