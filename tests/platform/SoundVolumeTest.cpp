#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/SoundVolume.h"

TEST(SoundVolume, PercentagesBecomeMixerVolumes) {
  EXPECT_EQ(MixerVolume(100, false), 128);
  EXPECT_EQ(MixerVolume(50, false), 64);
  EXPECT_EQ(MixerVolume(0, false), 0);
  EXPECT_EQ(MixerVolume(1, false), 1);
}

TEST(SoundVolume, MuteSilencesEveryVolume) {
  EXPECT_EQ(MixerVolume(100, true), 0);
  EXPECT_EQ(MixerVolume(37, true), 0);
}

TEST(SoundVolume, SamplesAreScaledBothWays) {
  std::vector<std::int16_t> s = {32767, -32768, 1000, -1000, 0};
  ScaleSamples(s.data(), static_cast<int>(s.size()), 64);
  EXPECT_EQ(s, (std::vector<std::int16_t>{16383, -16384, 500, -500, 0}));
}

TEST(SoundVolume, FullVolumeLeavesSamplesAndZeroSilencesThem) {
  std::vector<std::int16_t> s = {32767, -32768, 123};
  ScaleSamples(s.data(), 3, 128);
  EXPECT_EQ(s, (std::vector<std::int16_t>{32767, -32768, 123}));
  ScaleSamples(s.data(), 3, 0);
  EXPECT_EQ(s, (std::vector<std::int16_t>{0, 0, 0}));
}
