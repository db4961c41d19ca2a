#pragma once

#include <cstdint>

// Volumes as the settings give them, 0 to 100 percent, for the mixer.
constexpr int kFullMixerVolume = 128;  // SDL2_mixer's MIX_MAX_VOLUME

// The mixer volume (0 to 128) of a percentage; 0 when muted.
int MixerVolume(int percent, bool mute);

// Scales 16-bit samples in place by a mixer volume.
void ScaleSamples(std::int16_t* samples, int count, int mixerVolume);
