#include "platform/SdlEffects.h"

#include <SDL_mixer.h>

#include <string>

#include "host/io/PrintTrouble.h"

namespace {

constexpr int kEffectChannel = 0;

}  // namespace

SdlEffects::SdlEffects(bool outputOpen, std::filesystem::path assetDir)
    : outputOpen_(outputOpen), assetDir_(std::move(assetDir)) {}

SdlEffects::~SdlEffects() {
  for (auto& [file, chunk] : chunks_) {
    if (chunk) Mix_FreeChunk(chunk);
  }
}

Mix_Chunk* SdlEffects::Load(const std::string& file) {
  const auto found = chunks_.find(file);
  if (found != chunks_.end()) return found->second;
  const std::string path = (assetDir_ / file).string();
  Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
  if (!chunk) PrintTrouble("cannot play sound " + path + " (missing or not a WAV file)");
  chunks_[file] = chunk;
  return chunk;
}

void SdlEffects::Play(const std::string& file) {
  if (!outputOpen_) return;
  Mix_Chunk* chunk = Load(file);
  if (chunk) {
    Mix_PlayChannel(kEffectChannel, chunk, 0);
  } else {
    Mix_HaltChannel(kEffectChannel);
  }
}

void SdlEffects::SetVolume(int mixerVolume) {
  if (outputOpen_) Mix_Volume(kEffectChannel, mixerVolume);
}
