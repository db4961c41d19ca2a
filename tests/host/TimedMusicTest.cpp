#include "host/io/TimedMusic.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "base/MidiLength.h"
#include "host/loop/GameHold.h"
#include "support/ScratchFolder.h"
#include "support/SmfBytes.h"

namespace {

struct ClockHold : GameHold {
  void HoldFor(const std::function<bool()>&) override { ++waits; }
  void AdvanceVirtualClock(std::int64_t ms) override { advanced += ms; }
  std::int64_t advanced = 0;
  int waits = 0;
};

struct Heard : TuneListener {
  void TuneStarted(const std::string& file, bool waited) override { log.push_back(file + (waited ? " waited" : "")); }
  void TuneStopped() override { log.push_back("stopped"); }
  std::vector<std::string> log;
};

struct TimedMusicTest : ::testing::Test {
  void SetUp() override {
    const smf::Bytes tune = smf::SingleNote(960);  // one second
    std::ofstream(folder.Path() / "tune.mid", std::ios::binary).write(reinterpret_cast<const char*>(tune.data()),
                                                                       static_cast<std::streamsize>(tune.size()));
    std::ofstream(folder.Path() / "broken.mid") << "not music";
  }
  ScratchFolder folder;
  ClockHold hold;
  Heard heard;
};

}  // namespace

TEST_F(TimedMusicTest, APlayWithWaitHoldsTheGameForTheTunesLength) {
  TimedMusic music(hold, folder.Path().string(), &heard);
  ASSERT_TRUE(music.Open("tune.mid"));
  music.PlayAndWait();
  EXPECT_EQ(hold.advanced, *MidiLengthMs(smf::SingleNote(960)));
  EXPECT_EQ(hold.waits, 0) << "nothing blocks";
  EXPECT_TRUE(music.PlayEnded());
  EXPECT_EQ(heard.log, std::vector<std::string>{"tune.mid waited"});
}

TEST_F(TimedMusicTest, APlayRunsUntilStoppedOrUntilItsEndIsReported) {
  TimedMusic music(hold, folder.Path().string(), &heard);
  ASSERT_TRUE(music.Open("tune.mid"));
  music.Play();
  EXPECT_FALSE(music.PlayEnded());
  music.Ended();
  EXPECT_TRUE(music.PlayEnded());
  music.Play();
  music.Stop();
  EXPECT_TRUE(music.PlayEnded());
  EXPECT_EQ(hold.advanced, 0);
  EXPECT_EQ(heard.log, (std::vector<std::string>{"tune.mid", "tune.mid", "stopped"}));
}

TEST_F(TimedMusicTest, AMissingOrBrokenTuneDoesNotOpenAndPlaysNothing) {
  TimedMusic music(hold, folder.Path().string(), &heard);
  EXPECT_FALSE(music.Open("absent.mid"));
  EXPECT_FALSE(music.Open("broken.mid"));
  music.Play();
  music.PlayAndWait();
  EXPECT_TRUE(music.PlayEnded());
  EXPECT_EQ(hold.advanced, 0);
  EXPECT_TRUE(heard.log.empty());
}
