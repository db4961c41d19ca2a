#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/AssetFiles.h"

using namespace asset_files;

namespace {

const std::vector<std::string> kEffects = {"jump1.wav", "landing2.wav", "get1.wav", "miss1.wav", "clear1.wav"};

int Peak(const Wave& w) {
  int peak = 0;
  for (auto s : w.samples) peak = std::max(peak, std::abs(int(s)));
  return peak;
}

double CrossingsPerSecond(const Wave& w) {
  int crossings = 0;
  for (std::size_t i = 1; i < w.samples.size(); ++i) crossings += (w.samples[i - 1] < 0) != (w.samples[i] < 0);
  return crossings / w.Seconds();
}

}  // namespace

TEST(EffectFiles, AreShortSixteenBitMono) {
  for (const auto& name : kEffects) {
    const Wave w = ReadWave(name);
    EXPECT_EQ(w.format, 1) << name;
    EXPECT_EQ(w.channels, 1) << name;
    EXPECT_EQ(w.bits, 16) << name;
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << name;
    EXPECT_GT(w.Seconds(), 0.05) << name;
    EXPECT_LT(w.Seconds(), 1.0) << name;
  }
}

TEST(EffectFiles, StartAndEndInSilenceWithoutClipping) {
  for (const auto& name : kEffects) {
    const Wave w = ReadWave(name);
    const int peak = Peak(w);
    EXPECT_GT(peak, 8000) << name << " is too quiet";
    EXPECT_LT(peak, 32000) << name << " clips";
    EXPECT_LE(std::abs(int(w.samples.front())), 64) << name << " starts with a click";
    EXPECT_LE(std::abs(int(w.samples.back())), 64) << name << " ends with a click";
    const std::size_t edge = static_cast<std::size_t>(w.rate / 2000);  // half a millisecond
    int head = 0, tail = 0;
    for (std::size_t i = 0; i < edge; ++i) {
      head = std::max(head, std::abs(int(w.samples[i])));
      tail = std::max(tail, std::abs(int(w.samples[w.samples.size() - 1 - i])));
    }
    EXPECT_LT(head, peak / 4) << name << " jumps in at the start";
    EXPECT_LT(tail, peak / 4) << name << " cuts off at the end";
  }
}

TEST(EffectFiles, SoundDifferentFromEachOther) {
  for (std::size_t a = 0; a < kEffects.size(); ++a)
    for (std::size_t b = a + 1; b < kEffects.size(); ++b) {
      const Wave wa = ReadWave(kEffects[a]), wb = ReadWave(kEffects[b]);
      const double length = std::abs(wa.Seconds() - wb.Seconds()) / std::max(wa.Seconds(), wb.Seconds());
      const double pa = CrossingsPerSecond(wa), pb = CrossingsPerSecond(wb);
      const double pitch = std::abs(pa - pb) / std::max(pa, pb);
      EXPECT_TRUE(length > 0.2 || pitch > 0.2) << kEffects[a] << " and " << kEffects[b] << " sound alike";
    }
}
