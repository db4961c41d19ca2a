#include "state/MusicDevice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "game/MusicNotice.h"
#include "state/Game.h"
#include "support/MusicLog.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class MusicDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { g.MusicPlayer.Attach(&backend); }

  // The usual way a sequence changes tunes.
  void StartTune(const std::string& file, bool once) {
    g.MusicPlayer.Stop();
    g.MusicPlayer.Close();
    g.MusicPlayer.SetFileName(file);
    g.MusicPlayer.Open();
    if (once) g.MusicPlayer.SetNotify(false);
    g.MusicPlayer.Play();
  }

  Game g;
  MusicLog backend;
};

TEST_F(MusicDeviceTest, RepeatingTuneRestartsAtItsEnd) {
  StartTune("BGM3.mid", false);
  EXPECT_THAT(backend.Take(), ElementsAre("Open BGM3.mid", "Play"));
  for (int i = 0; i < 3; ++i) {
    MusicEnded(g);
    EXPECT_THAT(backend.Take(), ElementsAre("Play")) << "repeat " << i;
    EXPECT_STREQ(g.MusicPlayer.StateName(), "playing");
  }
}

TEST_F(MusicDeviceTest, EndNoticeOvertakenByANewerPlayIsIgnored) {
  StartTune("BGM3.mid", false);
  backend.Take();
  backend.StillPlaying = true;
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), IsEmpty());
  EXPECT_STREQ(g.MusicPlayer.StateName(), "playing");
  backend.StillPlaying = false;
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), ElementsAre("Play"));
}

TEST_F(MusicDeviceTest, TuneStartedWithNoticeOffPlaysOnce) {
  StartTune("clear.mid", true);
  backend.Take();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), IsEmpty());
  EXPECT_STREQ(g.MusicPlayer.StateName(), "stopped");
}

TEST_F(MusicDeviceTest, StoppedTuneStaysStopped) {
  StartTune("ending.mid", false);
  g.MusicPlayer.Stop();
  backend.Take();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), IsEmpty());
  EXPECT_STREQ(g.MusicPlayer.StateName(), "stopped");
}

TEST_F(MusicDeviceTest, ClosedTuneStaysClosed) {
  StartTune("BGM1.mid", false);
  g.MusicPlayer.Close();
  backend.Take();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), IsEmpty());
  EXPECT_STREQ(g.MusicPlayer.StateName(), "closed");
}

TEST_F(MusicDeviceTest, NewPlaySupersedesTheOutstandingNotice) {
  StartTune("BGM1.mid", false);
  g.MusicPlayer.SetNotify(false);
  g.MusicPlayer.Play();
  backend.Take();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), IsEmpty());
}

TEST_F(MusicDeviceTest, NoticeAndWaitSettingsLastOneCommand) {
  g.MusicPlayer.SetFileName("BGM2.mid");
  g.MusicPlayer.SetNotify(false);
  g.MusicPlayer.SetWait(false);
  g.MusicPlayer.Open();  // uses up both settings
  g.MusicPlayer.Play();  // so this play has the default notice
  backend.Take();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), ElementsAre("Play"));
}

TEST_F(MusicDeviceTest, PlayWithWaitReturnsAtTheEndWithoutNotice) {
  g.MusicPlayer.SetFileName("START.mid");
  g.MusicPlayer.Open();
  g.MusicPlayer.SetNotify(false);
  g.MusicPlayer.SetWait(true);
  g.MusicPlayer.Play();
  g.MusicPlayer.Close();
  EXPECT_THAT(backend.Take(), ElementsAre("Open START.mid", "PlayAndWait", "Close"));
}

TEST_F(MusicDeviceTest, OpenClosesTheTuneAlreadyOpen) {
  StartTune("Title.mid", true);
  g.MusicPlayer.SetFileName("over.mid");
  g.MusicPlayer.Open();
  EXPECT_THAT(backend.Take(), ElementsAre("Open Title.mid", "Play", "Close", "Open over.mid"));
}

TEST_F(MusicDeviceTest, MissingTuneIsSilenceAndTheSequenceGoesOn) {
  backend.Missing = {"BGM4.mid"};
  StartTune("BGM4.mid", false);
  EXPECT_STREQ(g.MusicPlayer.StateName(), "closed");
  g.MusicPlayer.SetWait(true);
  g.MusicPlayer.Play();
  g.MusicPlayer.Stop();
  g.MusicPlayer.Close();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), ElementsAre("Open BGM4.mid"));
  StartTune("BGM5.mid", false);
  EXPECT_THAT(backend.Take(), ElementsAre("Open BGM5.mid", "Play"));
  EXPECT_STREQ(g.MusicPlayer.StateName(), "playing");
}

TEST_F(MusicDeviceTest, OnlyASuccessfulEndRestartsTheTune) {
  StartTune("BGM1.mid", false);
  backend.Take();
  for (NotifyResult r : {NotifyResult::Superseded, NotifyResult::Aborted, NotifyResult::Failure}) {
    MusicNotice(g, r);
    EXPECT_THAT(backend.Take(), IsEmpty());
  }
  MusicNotice(g, NotifyResult::Successful);
  EXPECT_THAT(backend.Take(), ElementsAre("Play"));
}

}  // namespace
