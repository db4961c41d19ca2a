#pragma once

#include <filesystem>
#include <string>

#include "platform/SdlEffects.h"
#include "platform/SdlMusicBackend.h"
#include "platform/SdlMusicOutput.h"

class GameHold;
struct Game;

// Music and effects of one run. In a window it opens the audio output and
// starts loading the soundfont in the background (the first picture does not
// wait for it); headless it touches no device, and tunes are only timed.
// Tunes and effects are opened from the asset folder.
class SdlMusicSystem {
 public:
  SdlMusicSystem(GameHold& hold, bool headless, const std::string& soundFont, const std::filesystem::path& assetDir);
  ~SdlMusicSystem();
  SdlMusicSystem(const SdlMusicSystem&) = delete;
  SdlMusicSystem& operator=(const SdlMusicSystem&) = delete;

  // MusicPlayer plays through this backend and g.PlaySound through the
  // effects. Call before the title screen starts its tune.
  void AttachTo(Game& g);
  // Music and effects volumes, 0 to 100; mute silences both.
  void SetVolumes(int musicPercent, int effectsPercent, bool mute);

 private:
  SdlMusicOutput output_;
  SdlMusicBackend music_;
  SdlEffects effects_;
};
