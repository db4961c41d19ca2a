#pragma once

#include <set>
#include <string>
#include <vector>

#include "state/MusicDevice.h"

// Stands in for the music backend: writes down every command as "Open name",
// "Play", "PlayAndWait", "Stop" or "Close", and fails to open the files named
// in Missing. A waited-for tune is over the moment it is played.
class MusicLog : public MusicBackend {
 public:
  bool Open(const std::string& file) override;
  void Close() override;
  void Play() override;
  void PlayAndWait() override;
  void Stop() override;
  bool PlayEnded() const override;

  // The commands written down so far, which are then forgotten.
  std::vector<std::string> Take();

  std::vector<std::string> Calls;
  std::set<std::string> Missing;
  // Makes the last play look unfinished, as when its end notice is late.
  bool StillPlaying = false;
};
