#pragma once

#include <string>
#include <vector>

#include "state/Services.h"

// Stands in for the sound effects: writes down the effects asked for, in order.
class SoundLog : public SoundEffects {
 public:
  void Play(const std::string& file) override;
  // How many times the effect was asked for.
  int Count(const std::string& file) const;

  std::vector<std::string> Played;
};
