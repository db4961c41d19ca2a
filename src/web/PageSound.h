#pragma once

#include <string>

#include "host/io/TimedMusic.h"
#include "state/Services.h"

// The page's sound: tunes and effects are played by the page's script
// (web/sound.js), which the browser lets sound only after a key press or a
// click.
class PageTunes : public TuneListener {
 public:
  void TuneStarted(const std::string& file, bool waited) override;
  void TuneStopped() override;
};

class PageEffects : public SoundEffects {
 public:
  void Play(const std::string& file) override;
};
