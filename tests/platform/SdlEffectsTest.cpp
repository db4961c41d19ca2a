#include "platform/SdlEffects.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/SdlMusicOutput.h"

namespace fs = std::filesystem;

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

// One second of a square wave, 16-bit mono at 22050 Hz.
void WriteWav(const fs::path& path, int period) {
  const std::uint32_t samples = 22050;
  std::vector<std::uint8_t> w{'R', 'I', 'F', 'F'};
  Put(w, 36 + samples * 2, 4);
  for (char c : std::string("WAVEfmt ")) w.push_back(static_cast<std::uint8_t>(c));
  Put(w, 16, 4);
  Put(w, 1, 2);
  Put(w, 1, 2);
  Put(w, 22050, 4);
  Put(w, 44100, 4);
  Put(w, 2, 2);
  Put(w, 16, 2);
  for (char c : std::string("data")) w.push_back(static_cast<std::uint8_t>(c));
  Put(w, samples * 2, 4);
  for (std::uint32_t i = 0; i < samples; ++i) Put(w, (i / period) % 2 ? 0x2000u : 0xE000u, 2);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(w.data()),
                                              static_cast<std::streamsize>(w.size()));
}

class SdlEffectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("velmorane-effects-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    WriteWav(dir / "low.wav", 40);
    WriteWav(dir / "high.wav", 10);
    // No such driver: the output has to fall back to SDL's dummy one.
    setenv("SDL_AUDIODRIVER", "velmorane-none", 1);
  }
  void TearDown() override {
    unsetenv("SDL_AUDIODRIVER");
    fs::remove_all(dir);
  }

  fs::path dir;
};

TEST_F(SdlEffectsTest, NewEffectCutsOffTheOneStillSounding) {
  SdlMusicOutput output;
  ASSERT_TRUE(output.Open());
  EXPECT_EQ(output.SampleRate(), SdlMusicOutput::kSampleRate);
  SdlEffects effects(output.IsOpen(), dir);
  effects.Play("low.wav");
  ASSERT_EQ(Mix_Playing(0), 1);
  Mix_Chunk* low = Mix_GetChunk(0);
  effects.Play("high.wav");
  EXPECT_EQ(Mix_Playing(-1), 1) << "one effect at a time";
  EXPECT_NE(Mix_GetChunk(0), low);
  effects.Play("low.wav");
  EXPECT_EQ(Mix_GetChunk(0), low) << "loaded once, kept";
}

TEST_F(SdlEffectsTest, MissingEffectIsSilence) {
  SdlMusicOutput output;
  ASSERT_TRUE(output.Open());
  SdlEffects effects(output.IsOpen(), dir);
  effects.Play("low.wav");
  effects.Play("gone.wav");
  EXPECT_EQ(Mix_Playing(-1), 0);
  effects.Play("gone.wav");
  effects.Play("high.wav");
  EXPECT_EQ(Mix_Playing(0), 1);
}

TEST_F(SdlEffectsTest, EffectsAreOpenedFromTheAssetFolderWhateverTheWorkingFolder) {
  SdlMusicOutput output;
  ASSERT_TRUE(output.Open());
  SdlEffects elsewhere(output.IsOpen(), dir / "elsewhere");
  const fs::path working = fs::current_path();
  fs::current_path(dir);
  elsewhere.Play("low.wav");
  fs::current_path(working);
  EXPECT_EQ(Mix_Playing(-1), 0) << "not found in the working folder";
  SdlEffects effects(output.IsOpen(), dir);
  effects.Play("low.wav");
  EXPECT_EQ(Mix_Playing(0), 1);
}

TEST_F(SdlEffectsTest, WithoutOutputNothingIsTouched) {
  SdlEffects effects(false, dir);
  effects.Play("low.wav");
  EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

}  // namespace
