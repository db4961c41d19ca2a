#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "game/MusicNotice.h"
#include "host/loop/GameHold.h"
#include "platform/MusicEndedEvent.h"
#include "platform/SdlMusicBackend.h"
#include "platform/SdlMusicOutput.h"
#include "state/Game.h"
#include "support/SmfBytes.h"

namespace fs = std::filesystem;

namespace {

class NoHold : public GameHold {
 public:
  void HoldFor(const std::function<bool()>&) override {}
  void AdvanceVirtualClock(std::int64_t) override {}
};

// Sample indexes (per channel) where a loud sound starts after at least
// 100 ms without one.
std::vector<std::size_t> Onsets(const std::vector<std::int16_t>& stereo, int rate) {
  std::vector<std::size_t> onsets;
  std::size_t quiet = static_cast<std::size_t>(rate);  // silence before the first note counts
  for (std::size_t i = 0; i + 1 < stereo.size(); i += 2) {
    const int level = std::max(std::abs(static_cast<int>(stereo[i])), std::abs(static_cast<int>(stereo[i + 1])));
    const bool loud = level > 1500;
    if (loud && quiet >= static_cast<std::size_t>(rate / 10)) onsets.push_back(i / 2);
    quiet = loud ? 0 : quiet + 1;
  }
  return onsets;
}

// A repeating tune goes the whole way round, as in the game: the audio
// thread notices the end, the game thread gets the event and plays again.
// Every repeat must begin within 50 ms of the tune's end (onsets are found to
// a few milliseconds).
TEST(SdlMusicRepeat, RepeatStartsWithin50MsOfTheTunesEnd) {
  const fs::path dir = fs::temp_directory_path() / ("velmorane-repeat-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path raw = dir / "out.raw";
  const fs::path tune = dir / "tick.mid";
  // A short side-stick on the drum channel, then a rest: 400 ms in all.
  const auto bytes = smf::Concat({smf::Header(0, 1, 480),
                                  smf::Track(smf::Concat({smf::Event(0, {0x99, 37, 127}), smf::Event(48, {0x89, 37, 0}),
                                                          smf::EndOfTrack(336)}))});
  std::ofstream(tune, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
  ASSERT_EQ(SDL_Init(SDL_INIT_EVENTS), 0);
  RegisterMusicEndedEvent();
  {
    NoHold hold;
    SdlMusicOutput output;
    ASSERT_TRUE(output.Open());
    SdlMusicBackend music(hold, false, output.SampleRate(), tune.parent_path());
    music.UseSynthesizer(FluidSynthesizer::Make(output.SampleRate(), kDefaultSoundFont));
    output.Hook(music);
    Game g;
    g.MusicPlayer.Attach(&music);
    g.MusicPlayer.SetFileName(tune.filename().string());
    g.MusicPlayer.Open();
    g.MusicPlayer.Play();
    int ends = 0;
    SDL_Event e;
    while (ends < 4 && SDL_WaitEventTimeout(&e, 3000)) {
      if (e.type != MusicEndedEventType()) continue;
      MusicEnded(g);
      ++ends;
    }
    EXPECT_EQ(ends, 4);
    g.MusicPlayer.Stop();
    g.MusicPlayer.Close();
    output.Unhook();
  }
  unsetenv("SDL_AUDIODRIVER");
  unsetenv("SDL_DISKAUDIOFILE");

  std::ifstream in(raw, std::ios::binary);
  const std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::int16_t> stereo(data.size() / 2);
  std::memcpy(stereo.data(), data.data(), stereo.size() * 2);
  fs::remove_all(dir);

  const int rate = SdlMusicOutput::kSampleRate;
  const std::vector<std::size_t> onsets = Onsets(stereo, rate);
  ASSERT_GE(onsets.size(), 4u) << "the tune and its repeats are heard";
  for (std::size_t k = 1; k < onsets.size(); ++k) {
    const double gapMs = (static_cast<double>(onsets[k] - onsets[k - 1]) / rate - 0.4) * 1000.0;
    EXPECT_GT(gapMs, -5.0) << "repeat " << k << " came early";
    EXPECT_LT(gapMs, 50.0) << "repeat " << k;
  }
}

}  // namespace
