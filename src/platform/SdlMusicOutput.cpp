#include "platform/SdlMusicOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <string>

#include "host/io/PrintTrouble.h"
#include "platform/SdlMusicBackend.h"
#include "platform/SoundVolume.h"

namespace {

// About 23 ms a buffer: the end of a tune is noticed, and its repeat begins,
// within a buffer or two, and an effect sounds within half a frame of the
// game at its default speed.
// Halving it costs the audio thread a fifth more CPU.
constexpr int kFramesPerBuffer = 1024;

constexpr int kBytesPerSample = 2, kChannels = 2;

}  // namespace

SdlMusicOutput::SdlMusicOutput() : volume_(kFullMixerVolume) {}

void SdlMusicOutput::MixMusic(void* self, Uint8* stream, int bytes) {
  auto* output = static_cast<SdlMusicOutput*>(self);
  auto* samples = reinterpret_cast<std::int16_t*>(stream);
  output->backend_->Mix(samples, bytes / (kBytesPerSample * kChannels));
  ScaleSamples(samples, bytes / kBytesPerSample, output->volume_);
}

SdlMusicOutput::~SdlMusicOutput() {
  if (!open_) return;
  Unhook();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlMusicOutput::TryOpen() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  // No format changes allowed: SDL converts for the device, and the music
  // stream stays 16-bit stereo at kSampleRate.
  if (Mix_OpenAudioDevice(kSampleRate, AUDIO_S16SYS, 2, kFramesPerBuffer, nullptr, 0) == 0) return true;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  return false;
}

bool SdlMusicOutput::Open() {
  if (open_) return true;
  open_ = TryOpen();
  if (!open_) {
    PrintTrouble(std::string("no sound device (") + SDL_GetError() + "); playing silently");
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    open_ = TryOpen();
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  }
  if (open_) Mix_AllocateChannels(1);
  return open_;
}

void SdlMusicOutput::Hook(SdlMusicBackend& backend) {
  backend_ = &backend;
  if (open_) Mix_HookMusic(MixMusic, this);
}

void SdlMusicOutput::Unhook() {
  if (open_) Mix_HookMusic(nullptr, nullptr);
}
