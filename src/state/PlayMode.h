#pragma once

#include <cstdint>

// One player against the stages, or two racing on the same stage
// (Game::PlayMode). The numbers are the original codes; the state dump shows
// them.
enum class PlayMode : std::int32_t {
  OnePlayer = 0,
  TwoPlayer = 1,
};

// The number of a mode, for printing it.
constexpr std::int32_t PlayModeCode(PlayMode m) { return static_cast<std::int32_t>(m); }
