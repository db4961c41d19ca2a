#include "platform/SdlMusicBackend.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "game/MusicNotice.h"
#include "host/loop/GameHold.h"
#include "platform/MusicEndedEvent.h"
#include "state/Game.h"
#include "support/SmfBytes.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 44100;
constexpr int kChunk = 512;

// Holds the game the way a window does, with the audio thread's work done
// in place: each round of the hold renders one buffer of the music stream
// (or, with no backend given, moves its clock on by a millisecond).
class FakeHold : public GameHold {
 public:
  explicit FakeHold(bool headless) : headless_(headless) {}
  SdlMusicBackend* Backend = nullptr;
  std::int64_t AdvancedMs = 0;
  std::int64_t HeldFrames = 0;
  std::uint64_t ClockMs = 0;

  void HoldFor(const std::function<bool()>& finished) override {
    std::vector<std::int16_t> buffer(2 * kChunk);
    for (int i = 0; i < 10000 && !finished(); ++i) {
      if (!Backend) {
        ++ClockMs;  // no audio thread: only time passes
        continue;
      }
      Backend->Mix(buffer.data(), kChunk);
      HeldFrames += kChunk;
    }
  }
  void AdvanceVirtualClock(std::int64_t ms) override { AdvancedMs += ms; }
  bool Headless() const { return headless_; }

 private:
  bool headless_;
};

int PeakOf(const std::vector<std::int16_t>& samples) {
  int peak = 0;
  for (std::int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

class SdlMusicBackendTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SDL_Init(SDL_INIT_EVENTS);
    RegisterMusicEndedEvent();
  }

  void SetUp() override {
    dir = fs::temp_directory_path() / ("velmorane-music-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    tune = Write("tune.mid", smf::SingleNote(240));  // 250 ms
    SDL_FlushEvent(MusicEndedEventType());
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const fs::path p = dir / name;
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<std::streamsize>(bytes.size()));
    return name;
  }

  static int EndEventsQueued() {
    const Uint32 type = MusicEndedEventType();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, type, type);
  }

  // Buffers that hold ms of the music stream.
  static int ChunksFor(int ms) { return (ms * kRate / 1000 + kChunk - 1) / kChunk; }

  // Renders ms of the music stream in buffers, as the audio thread would.
  static std::vector<std::int16_t> Render(SdlMusicBackend& music, int ms) {
    const int chunks = ChunksFor(ms);
    std::vector<std::int16_t> out(static_cast<std::size_t>(2 * kChunk * chunks));
    for (int c = 0; c < chunks; ++c) music.Mix(out.data() + 2 * kChunk * c, kChunk);
    return out;
  }

  // Buffers rendered until the end of the play is announced.
  static int ChunksUntilEndEvent(SdlMusicBackend& music) {
    std::vector<std::int16_t> buffer(2 * kChunk);
    for (int c = 1; c <= 1000; ++c) {
      music.Mix(buffer.data(), kChunk);
      if (EndEventsQueued() > 0) return c;
    }
    return -1;
  }

  // The loudest sample rendered until the end of the play is announced,
  // giving a soundfont loading in the background the time it takes.
  static int PeakUntilTheEnd(SdlMusicBackend& music) {
    std::vector<std::int16_t> buffer(2 * kChunk);
    int peak = 0;
    for (int i = 0; i < 5000 && EndEventsQueued() == 0; ++i) {
      music.Mix(buffer.data(), kChunk);
      peak = std::max(peak, PeakOf(buffer));
      SDL_Delay(1);
    }
    return peak;
  }

  static std::unique_ptr<FluidSynthesizer> RealSynthesizer() {
    return FluidSynthesizer::Make(kRate, kDefaultSoundFont);
  }

  fs::path dir;
  std::string tune;
};

// 250 ms at 44.1 kHz is 11025 frames: the end falls in the 22nd buffer.
constexpr int kTuneChunks = (11025 + kChunk - 1) / kChunk;

TEST_F(SdlMusicBackendTest, HeadlessWaitAdvancesTheVirtualClockByTheTuneLength) {
  FakeHold hold(true);
  SdlMusicBackend music(hold, hold.Headless(), 0, dir);
  ASSERT_TRUE(music.Open(tune));
  music.PlayAndWait();
  EXPECT_EQ(hold.AdvancedMs, 250);
  music.PlayAndWait();  // at the end: rewinds and plays it all again
  EXPECT_EQ(hold.AdvancedMs, 500);
}

TEST_F(SdlMusicBackendTest, MissingOrForeignFilesAreNotOpened) {
  FakeHold hold(true);
  SdlMusicBackend music(hold, hold.Headless(), 0, dir);
  EXPECT_FALSE(music.Open("nothing.mid"));
  EXPECT_FALSE(music.Open(Write("noise.mid", {'R', 'I', 'F', 'F', 1, 2, 3})));
  music.PlayAndWait();
  EXPECT_EQ(hold.AdvancedMs, 0);
}

TEST_F(SdlMusicBackendTest, EndOfAPlayIsAnnouncedInTheBufferOfItsLastNote) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  music.UseSynthesizer(nullptr);
  ASSERT_TRUE(music.Open(tune));
  music.Play();
  EXPECT_EQ(ChunksUntilEndEvent(music), kTuneChunks);
  Render(music, 500);
  EXPECT_EQ(EndEventsQueued(), 1) << "one end per play";
}

TEST_F(SdlMusicBackendTest, PlayAtTheEndStartsAgainFromTheBeginning) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  music.UseSynthesizer(RealSynthesizer());
  ASSERT_TRUE(music.Open(tune));
  music.Play();
  EXPECT_GT(PeakOf(Render(music, 100)), 1000) << "the note sounds";
  ASSERT_GT(ChunksUntilEndEvent(music), 0);
  SDL_FlushEvent(MusicEndedEventType());
  music.Play();
  EXPECT_GT(PeakOf(Render(music, 25)), 1000) << "sounding again within 25 ms";
  EXPECT_EQ(ChunksUntilEndEvent(music), kTuneChunks - ChunksFor(25));
}

TEST_F(SdlMusicBackendTest, StoppedTuneFallsSilentAndNeverEnds) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  music.UseSynthesizer(RealSynthesizer());
  ASSERT_TRUE(music.Open(tune));
  music.Play();
  Render(music, 100);
  music.Stop();
  Render(music, 50);
  EXPECT_LT(PeakOf(Render(music, 100)), 300);
  Render(music, 1000);
  EXPECT_EQ(EndEventsQueued(), 0);
  music.Play();  // carries on from where it stopped
  EXPECT_EQ(ChunksUntilEndEvent(music), kTuneChunks - ChunksFor(100));
}

TEST_F(SdlMusicBackendTest, CommandsFlushAnEndStillQueued) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  music.UseSynthesizer(nullptr);
  ASSERT_TRUE(music.Open(tune));
  music.Play();
  ASSERT_GT(ChunksUntilEndEvent(music), 0);
  music.Close();
  EXPECT_EQ(EndEventsQueued(), 0);
  ASSERT_TRUE(music.Open(tune));
  music.Play();
  ASSERT_GT(ChunksUntilEndEvent(music), 0);
  ASSERT_TRUE(music.Open(tune));
  EXPECT_EQ(EndEventsQueued(), 0);
}

TEST_F(SdlMusicBackendTest, WaitHoldsForTheTuneAndAnnouncesNothing) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  hold.Backend = &music;
  music.UseSynthesizer(nullptr);
  ASSERT_TRUE(music.Open(tune));
  music.PlayAndWait();
  EXPECT_EQ(hold.HeldFrames, kTuneChunks * kChunk);
  EXPECT_EQ(EndEventsQueued(), 0);
}

TEST_F(SdlMusicBackendTest, WithoutAudioOutputTheWaitHoldsForTheTuneInRealTime) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), 0, dir, [&hold] { return hold.ClockMs; });
  ASSERT_TRUE(music.Open(tune));
  music.PlayAndWait();
  EXPECT_EQ(hold.ClockMs, 250u);
  EXPECT_EQ(hold.AdvancedMs, 0);
}

TEST_F(SdlMusicBackendTest, TunesAreOpenedFromTheAssetFolderWhateverTheWorkingFolder) {
  FakeHold hold(true);
  SdlMusicBackend elsewhere(hold, hold.Headless(), 0, dir / "elsewhere");
  const fs::path working = fs::current_path();
  fs::current_path(dir);
  const bool openedFromWorkingFolder = elsewhere.Open(tune);
  fs::current_path(working);
  EXPECT_FALSE(openedFromWorkingFolder);
  SdlMusicBackend music(hold, hold.Headless(), 0, dir);
  EXPECT_TRUE(music.Open(tune));
}

TEST_F(SdlMusicBackendTest, TuneOpenedWhileTheSoundfontLoadsSoundsOnceReady) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  music.StartSynthesizer(kDefaultSoundFont);
  ASSERT_TRUE(music.Open(tune));
  music.Play();
  const int peak = PeakUntilTheEnd(music);
  EXPECT_EQ(EndEventsQueued(), 1);
  EXPECT_GT(peak, 1000) << "the whole tune was heard";
}

TEST_F(SdlMusicBackendTest, UnloadableSoundfontLeavesTunesTimedInSilence) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  music.StartSynthesizer((dir / "none.sf2").string());
  ASSERT_TRUE(music.Open(tune));
  music.Play();
  const int peak = PeakUntilTheEnd(music);
  EXPECT_EQ(EndEventsQueued(), 1);
  EXPECT_EQ(peak, 0);
}

// The k-th end of a repeating 250 ms tune falls on frame k * 11025 exactly:
// each round runs ahead from the frame after the last one ended.
TEST_F(SdlMusicBackendTest, RepeatingTuneGoesRoundWithoutAGap) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  music.UseSynthesizer(nullptr);
  Game g;
  g.MusicPlayer.Attach(&music);
  g.MusicPlayer.SetFileName(tune);
  g.MusicPlayer.Open();
  g.MusicPlayer.Play();
  int chunks = 0;
  for (int round = 1; round <= 4; ++round) {
    chunks += ChunksUntilEndEvent(music);
    EXPECT_EQ(chunks, (round * 11025 + kChunk - 1) / kChunk) << "round " << round;
    SDL_FlushEvent(MusicEndedEventType());
    MusicEnded(g);
    EXPECT_STREQ(g.MusicPlayer.StateName(), "playing");
  }
  g.MusicPlayer.Stop();
  Render(music, 1000);
  EXPECT_EQ(EndEventsQueued(), 0);
}

TEST_F(SdlMusicBackendTest, StopCutsTheRoundRunAhead) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  music.UseSynthesizer(RealSynthesizer());
  Game g;
  g.MusicPlayer.Attach(&music);
  g.MusicPlayer.SetFileName(tune);
  g.MusicPlayer.Open();
  g.MusicPlayer.Play();
  ASSERT_GT(ChunksUntilEndEvent(music), 0);
  EXPECT_GT(PeakOf(Render(music, 20)), 1000) << "the next round sounds before the game answers";
  g.MusicPlayer.Stop();
  MusicEnded(g);
  Render(music, 50);
  EXPECT_LT(PeakOf(Render(music, 500)), 300);
  EXPECT_EQ(EndEventsQueued(), 0);
  EXPECT_STREQ(g.MusicPlayer.StateName(), "stopped");
}

TEST_F(SdlMusicBackendTest, TuneThatPlaysOnceStopsAtItsEnd) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  music.UseSynthesizer(RealSynthesizer());
  Game g;
  g.MusicPlayer.Attach(&music);
  g.MusicPlayer.SetFileName(tune);
  g.MusicPlayer.Open();
  g.MusicPlayer.SetNotify(false);
  g.MusicPlayer.Play();
  ASSERT_GT(ChunksUntilEndEvent(music), 0);
  MusicEnded(g);
  EXPECT_STREQ(g.MusicPlayer.StateName(), "stopped");
  Render(music, 300);
  EXPECT_LT(PeakOf(Render(music, 500)), 300);
  EXPECT_EQ(EndEventsQueued(), 1);
}

TEST_F(SdlMusicBackendTest, EndOvertakenByANewerPlayIsIgnored) {
  FakeHold hold(false);
  SdlMusicBackend music(hold, hold.Headless(), kRate, dir);
  music.UseSynthesizer(nullptr);
  Game g;
  g.MusicPlayer.Attach(&music);
  g.MusicPlayer.SetFileName(tune);
  g.MusicPlayer.Open();
  g.MusicPlayer.SetNotify(false);
  g.MusicPlayer.Play();
  ASSERT_GT(ChunksUntilEndEvent(music), 0);  // the end is on its way...
  g.MusicPlayer.Play();  // ...when a newer play begins from the start
  MusicEnded(g);
  EXPECT_STREQ(g.MusicPlayer.StateName(), "playing");
  EXPECT_EQ(ChunksUntilEndEvent(music), kTuneChunks);
}

}  // namespace
