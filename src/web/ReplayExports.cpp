// The page's door to a headless replay (web/page.js calls these).
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "web/PageReplay.h"

namespace {

PageReplayResult last;

}  // namespace

extern "C" {

// Plays text to its end; 1 when it ran, 0 when velmorane_replay_error says why.
EMSCRIPTEN_KEEPALIVE int velmorane_replay(const char* text, const char* name, int seeded, unsigned seed, int stage) {
  last = PlayPageReplay(text, name, seeded ? std::optional<std::uint32_t>(seed) : std::nullopt, stage);
  return last.Ok ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* velmorane_replay_dump() { return last.StateDump.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* velmorane_replay_hash() { return last.PictureHash.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* velmorane_replay_error() { return last.Error.c_str(); }

}  // extern "C"
