#include "support/MusicLog.h"

bool MusicLog::Open(const std::string& file) {
  Calls.push_back("Open " + file);
  return Missing.count(file) == 0;
}

void MusicLog::Close() { Calls.push_back("Close"); }

void MusicLog::Play() { Calls.push_back("Play"); }

void MusicLog::PlayAndWait() { Calls.push_back("PlayAndWait"); }

void MusicLog::Stop() { Calls.push_back("Stop"); }

bool MusicLog::PlayEnded() const { return !StillPlaying; }

std::vector<std::string> MusicLog::Take() {
  std::vector<std::string> out;
  out.swap(Calls);
  return out;
}
