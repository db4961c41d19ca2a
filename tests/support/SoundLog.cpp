#include "support/SoundLog.h"

#include <algorithm>

void SoundLog::Play(const std::string& file) { Played.push_back(file); }

int SoundLog::Count(const std::string& file) const {
  return static_cast<int>(std::count(Played.begin(), Played.end(), file));
}
