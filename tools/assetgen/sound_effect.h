#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace assetgen {

struct Tone {
  double start = 0, length = 0;     // seconds
  std::string wave;                 // sine, square, pulse, triangle, saw, noise
  double fromHz = 440, toHz = 440;  // exponential sweep over the tone
  double volume = 1;
  double attack = 0.002, release = 0.05;   // seconds
  double vibratoHz = 0, vibratoDepth = 0;  // depth as a fraction of the pitch
};

struct SoundEffect {
  int rate = 22050;
  double fade = 0.004;   // seconds of fade at each end of the whole effect
  double peak = 0.7;     // loudest sample, as a fraction of full scale
  double lowpassHz = 0;  // 0: no smoothing
  std::vector<Tone> tones;
};

// An effect source reads:
//   rate <22050 or 44100>
//   peak <0..1>    fade <seconds>    lowpass <Hz>
//   tone <start> <length> <wave> <from Hz> <to Hz> <volume> <attack> <release> [<vibrato Hz> <depth>]
SoundEffect LoadSoundEffect(const std::filesystem::path& path);

// Renders the effect as 16-bit samples, silent at both ends.
std::vector<std::int16_t> RenderSoundEffect(const SoundEffect& effect);

void WriteWav16Mono(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int rate);

}  // namespace assetgen
