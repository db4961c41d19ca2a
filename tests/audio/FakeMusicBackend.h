#pragma once

#include <set>
#include <string>
#include <vector>

#include "state/MusicDevice.h"

// A scripted music backend: records every command, and fails to open the
// files named in Missing.
class FakeMusicBackend : public MusicBackend {
 public:
  std::vector<std::string> Calls;
  std::set<std::string> Missing;
  bool StillPlaying = false;

  bool Open(const std::string& file) override {
    Calls.push_back("Open " + file);
    return Missing.count(file) == 0;
  }
  void Close() override { Calls.push_back("Close"); }
  void Play() override { Calls.push_back("Play"); }
  void PlayAndWait() override { Calls.push_back("PlayAndWait"); }
  void Stop() override { Calls.push_back("Stop"); }
  bool PlayEnded() const override { return !StillPlaying; }

  // The commands recorded so far, which are then forgotten.
  std::vector<std::string> Take() {
    std::vector<std::string> out;
    out.swap(Calls);
    return out;
  }
};
