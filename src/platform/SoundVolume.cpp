#include "platform/SoundVolume.h"

#include <algorithm>

namespace {

constexpr int kFullPercent = 100;

}  // namespace

int MixerVolume(int percent, bool mute) {
  if (mute) return 0;
  return std::clamp(percent, 0, kFullPercent) * kFullMixerVolume / kFullPercent;
}

void ScaleSamples(std::int16_t* samples, int count, int mixerVolume) {
  if (mixerVolume >= kFullMixerVolume) return;
  for (int i = 0; i < count; ++i) samples[i] = static_cast<std::int16_t>(samples[i] * mixerVolume / kFullMixerVolume);
}
