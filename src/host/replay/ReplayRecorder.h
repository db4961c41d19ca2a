#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "game/Events.h"
#include "host/replay/Replay.h"

// Writes every dispatched event to a replay file, flushed line by line, so
// that a recording cut short by a crash still replays up to that point.
class ReplayRecorder : public EventObserver {
 public:
  // Opens the file (closing the one open before) and writes the header with
  // the start the game really has; false with a one-line reason.
  bool Open(const std::string& path, const ReplayStart& start, std::string& error);
  void Dispatched(const Event& e) override;
  // A comment line ("# note"), which replays pass over.
  void Note(const std::string& note);

 private:
  std::ofstream out_;
};
