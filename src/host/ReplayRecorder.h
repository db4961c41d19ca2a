#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "game/Events.h"

// Writes every dispatched event to a replay file, flushed line by line, so
// that a recording cut short by a crash still replays up to that point.
class ReplayRecorder : public EventObserver {
 public:
  // Opens the file and writes the header with the seed the game really uses;
  // false with a one-line reason.
  bool Open(const std::string& path, std::uint32_t seed, std::string& error);
  void Dispatched(const Event& e) override;

 private:
  std::ofstream out_;
};
