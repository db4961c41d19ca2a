#include "sound_effect.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "byte_writer.h"
#include "text_source.h"

namespace assetgen {

namespace {

double Oscillator(const std::string& wave, double phase, std::uint32_t& noise, double& held, double& lastCycle) {
  const double frac = phase - std::floor(phase);
  if (wave == "sine") return std::sin(2 * std::numbers::pi * phase);
  if (wave == "square") return frac < 0.5 ? 1.0 : -1.0;
  if (wave == "pulse") return frac < 0.25 ? 1.0 : -1.0;
  if (wave == "triangle") return 1.0 - 4.0 * std::abs(frac - 0.5);
  if (wave == "saw") return 2.0 * frac - 1.0;
  if (wave == "noise") {
    // A new random level each half cycle: noise pitched by the sweep.
    const double cycle = std::floor(phase * 2);
    if (cycle != lastCycle) {
      lastCycle = cycle;
      noise = noise * 1664525u + 1013904223u;
      held = (noise >> 8) / double(1u << 23) - 1.0;
    }
    return held;
  }
  throw std::runtime_error("unknown wave '" + wave + "'");
}

double Envelope(const Tone& t, double local) {
  if (local < t.attack) return local / t.attack;
  const double releaseAt = t.length - t.release;
  if (local < releaseAt) return 1.0;
  const double left = std::max(0.0, (t.length - local) / t.release);
  return left * left;
}

}  // namespace

SoundEffect LoadSoundEffect(const std::filesystem::path& path) {
  const SourceFile file = ReadSource(path);
  SoundEffect fx;
  for (const auto& line : file.lines) {
    const auto w = SplitWords(line.text);
    auto num = [&](std::size_t i) { return ParseNumber(w[i], file, line.number); };
    if (w[0] == "rate" && w.size() == 2)
      fx.rate = ParseInt(w[1], file, line.number);
    else if (w[0] == "peak" && w.size() == 2)
      fx.peak = num(1);
    else if (w[0] == "fade" && w.size() == 2)
      fx.fade = num(1);
    else if (w[0] == "lowpass" && w.size() == 2)
      fx.lowpassHz = num(1);
    else if (w[0] == "tone" && (w.size() == 9 || w.size() == 11)) {
      Tone t;
      t.start = num(1);
      t.length = num(2);
      t.wave = w[3];
      t.fromHz = num(4);
      t.toHz = num(5);
      t.volume = num(6);
      t.attack = std::max(num(7), 1e-4);
      t.release = std::clamp(num(8), 1e-4, t.length);
      if (w.size() == 11) {
        t.vibratoHz = num(9);
        t.vibratoDepth = num(10);
      }
      if (t.length <= 0 || t.fromHz <= 0 || t.toHz <= 0) throw SourceError(file, line.number, "bad tone");
      fx.tones.push_back(t);
    } else {
      throw SourceError(file, line.number, "unknown effect setting");
    }
  }
  if (fx.rate != 22050 && fx.rate != 44100) throw SourceError(file, 0, "rate must be 22050 or 44100");
  if (fx.tones.empty()) throw SourceError(file, 0, "no tones");
  return fx;
}

std::vector<std::int16_t> RenderSoundEffect(const SoundEffect& fx) {
  double seconds = 0;
  for (const auto& t : fx.tones) seconds = std::max(seconds, t.start + t.length);
  const std::size_t count = static_cast<std::size_t>(std::ceil(seconds * fx.rate));
  std::vector<double> mix(count, 0.0);
  for (const auto& t : fx.tones) {
    std::uint32_t noise = 12345;
    double held = 0, lastCycle = -1, phase = 0;
    const std::size_t first = static_cast<std::size_t>(t.start * fx.rate);
    const std::size_t n = static_cast<std::size_t>(t.length * fx.rate);
    for (std::size_t i = 0; i < n && first + i < count; ++i) {
      const double local = double(i) / fx.rate;
      double hz = t.fromHz * std::pow(t.toHz / t.fromHz, local / t.length);
      if (t.vibratoHz > 0) hz *= 1.0 + t.vibratoDepth * std::sin(2 * std::numbers::pi * t.vibratoHz * local);
      phase += hz / fx.rate;
      mix[first + i] += t.volume * Envelope(t, local) * Oscillator(t.wave, phase, noise, held, lastCycle);
    }
  }
  if (fx.lowpassHz > 0) {
    const double k = 1.0 - std::exp(-2 * std::numbers::pi * fx.lowpassHz / fx.rate);
    double y = 0;
    for (double& s : mix) s = y += k * (s - y);
  }
  const std::size_t fade = std::min(count / 2, static_cast<std::size_t>(fx.fade * fx.rate));
  for (std::size_t i = 0; i < fade; ++i) {
    const double g = double(i) / fade;
    mix[i] *= g;
    mix[count - 1 - i] *= g;
  }
  double loudest = 1e-9;
  for (double s : mix) loudest = std::max(loudest, std::abs(s));
  const double gain = fx.peak * 32767.0 / loudest;
  std::vector<std::int16_t> out(count);
  for (std::size_t i = 0; i < count; ++i)
    out[i] = static_cast<std::int16_t>(std::lround(std::clamp(mix[i] * gain, -32767.0, 32767.0)));
  return out;
}

void WriteWav16Mono(const std::filesystem::path& path, const std::vector<std::int16_t>& samples, int rate) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  ByteWriter out;
  out.Bytes("RIFF");
  out.Le32(36 + dataBytes);
  out.Bytes("WAVE");
  out.Bytes("fmt ");
  out.Le32(16);
  out.Le16(1);
  out.Le16(1);
  out.Le32(static_cast<std::uint32_t>(rate));
  out.Le32(static_cast<std::uint32_t>(rate) * 2);
  out.Le16(2);
  out.Le16(16);
  out.Bytes("data");
  out.Le32(dataBytes);
  for (std::int16_t s : samples) out.Le16(static_cast<std::uint16_t>(s));
  out.Save(path);
}

}  // namespace assetgen
