#include "platform/SdlMusicSystem.h"

#include "platform/FluidSynthesizer.h"
#include "platform/SoundVolume.h"
#include "state/Game.h"

namespace {

bool OpenOutput(SdlMusicOutput& output, bool headless) { return !headless && output.Open(); }

}  // namespace

SdlMusicSystem::SdlMusicSystem(GameHold& hold, bool headless, const std::string& soundFont,
                               const std::filesystem::path& assetDir)
    : music_(hold, headless, OpenOutput(output_, headless) ? output_.SampleRate() : 0, assetDir),
      effects_(output_.IsOpen(), assetDir) {
  if (!output_.IsOpen()) return;
  music_.StartSynthesizer(soundFont.empty() ? kDefaultSoundFont : soundFont);
  output_.Hook(music_);
}

SdlMusicSystem::~SdlMusicSystem() { output_.Unhook(); }

void SdlMusicSystem::AttachTo(Game& g) {
  g.MusicPlayer.Attach(&music_);
  g.Sound = &effects_;
}

void SdlMusicSystem::SetVolumes(int musicPercent, int effectsPercent, bool mute) {
  output_.SetVolume(MixerVolume(musicPercent, mute));
  effects_.SetVolume(MixerVolume(effectsPercent, mute));
}
