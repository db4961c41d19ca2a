#pragma once

#include <cstdint>
#include <fstream>
#include <string>

#include "game/Events.h"
#include "host/replay/Replay.h"

// Writes every dispatched event to a replay file, flushed line by line, so
// that a recording cut short by a crash still replays up to that point. A
// recording may begin in memory and be given its file later, when there
// turns out to be something worth keeping.
class ReplayRecorder : public EventObserver {
 public:
  // Opens the file (closing the one open before) and writes the header with
  // the start the game really has; false with a one-line reason.
  bool Open(const std::string& path, const ReplayStart& start, std::string& error);
  // Begins the recording in memory, without a file.
  void Hold(const ReplayStart& start);
  // Makes the file of a held recording and writes what it holds into it;
  // false with a one-line reason.
  bool Create(const std::string& path, std::string& error);
  void Dispatched(const Event& e) override;
  // A comment line ("# note"), which replays pass over.
  void Note(const std::string& note);

 private:
  void Write(const std::string& line);

  std::ofstream out_;
  bool holding_ = false;
  std::string held_;
};
