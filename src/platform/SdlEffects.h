#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "state/Services.h"

struct Mix_Chunk;

// The sound-effect channel: WAV files by bare name from the asset folder, loaded once and kept,
// played on one fixed mixer channel so that a new effect cuts off the one
// still sounding. A missing file is silence (named once on standard error);
// without an audio output every effect is silence.
class SdlEffects : public SoundEffects {
 public:
  SdlEffects(bool outputOpen, std::filesystem::path assetDir);
  ~SdlEffects() override;
  SdlEffects(const SdlEffects&) = delete;
  SdlEffects& operator=(const SdlEffects&) = delete;

  void Play(const std::string& file) override;
  // The effects' volume, 0 to 128 (the mixer's scale).
  void SetVolume(int mixerVolume);

 private:
  Mix_Chunk* Load(const std::string& file);

  bool outputOpen_;
  std::filesystem::path assetDir_;
  std::map<std::string, Mix_Chunk*> chunks_;
};
