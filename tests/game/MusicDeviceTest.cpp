#include "state/MusicDevice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/MusicLog.h"
#include "game/BGMPlayerNotify.h"
#include "state/Game.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class MusicDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override { g.BGMPlayer.Attach(&backend); }

  // The usual way a sequence changes tunes.
  void StartTune(const std::string& file, bool once) {
    g.BGMPlayer.Stop();
    g.BGMPlayer.Close();
    g.BGMPlayer.SetFileName(file);
    g.BGMPlayer.Open();
    if (once) g.BGMPlayer.SetNotify(false);
    g.BGMPlayer.Play();
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
    EXPECT_STREQ(g.BGMPlayer.StateName(), "playing");
  }
}

TEST_F(MusicDeviceTest, EndNoticeOvertakenByANewerPlayIsIgnored) {
  StartTune("BGM3.mid", false);
  backend.Take();
  backend.StillPlaying = true;
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), IsEmpty());
  EXPECT_STREQ(g.BGMPlayer.StateName(), "playing");
  backend.StillPlaying = false;
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), ElementsAre("Play"));
}

TEST_F(MusicDeviceTest, TuneStartedWithNoticeOffPlaysOnce) {
  StartTune("clear.mid", true);
  backend.Take();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), IsEmpty());
  EXPECT_STREQ(g.BGMPlayer.StateName(), "stopped");
}

TEST_F(MusicDeviceTest, StoppedTuneStaysStopped) {
  StartTune("ending.mid", false);
  g.BGMPlayer.Stop();
  backend.Take();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), IsEmpty());
  EXPECT_STREQ(g.BGMPlayer.StateName(), "stopped");
}

TEST_F(MusicDeviceTest, ClosedTuneStaysClosed) {
  StartTune("BGM1.mid", false);
  g.BGMPlayer.Close();
  backend.Take();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), IsEmpty());
  EXPECT_STREQ(g.BGMPlayer.StateName(), "closed");
}

TEST_F(MusicDeviceTest, NewPlaySupersedesTheOutstandingNotice) {
  StartTune("BGM1.mid", false);
  g.BGMPlayer.SetNotify(false);
  g.BGMPlayer.Play();
  backend.Take();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), IsEmpty());
}

TEST_F(MusicDeviceTest, NoticeAndWaitSettingsLastOneCommand) {
  g.BGMPlayer.SetFileName("BGM2.mid");
  g.BGMPlayer.SetNotify(false);
  g.BGMPlayer.SetWait(false);
  g.BGMPlayer.Open();  // uses up both settings
  g.BGMPlayer.Play();  // so this play has the default notice
  backend.Take();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), ElementsAre("Play"));
}

TEST_F(MusicDeviceTest, PlayWithWaitReturnsAtTheEndWithoutNotice) {
  g.BGMPlayer.SetFileName("START.mid");
  g.BGMPlayer.Open();
  g.BGMPlayer.SetNotify(false);
  g.BGMPlayer.SetWait(true);
  g.BGMPlayer.Play();
  g.BGMPlayer.Close();
  EXPECT_THAT(backend.Take(), ElementsAre("Open START.mid", "PlayAndWait", "Close"));
}

TEST_F(MusicDeviceTest, OpenClosesTheTuneAlreadyOpen) {
  StartTune("Title.mid", true);
  g.BGMPlayer.SetFileName("over.mid");
  g.BGMPlayer.Open();
  EXPECT_THAT(backend.Take(), ElementsAre("Open Title.mid", "Play", "Close", "Open over.mid"));
}

TEST_F(MusicDeviceTest, MissingTuneIsSilenceAndTheSequenceGoesOn) {
  backend.Missing = {"BGM4.mid"};
  StartTune("BGM4.mid", false);
  EXPECT_STREQ(g.BGMPlayer.StateName(), "closed");
  g.BGMPlayer.SetWait(true);
  g.BGMPlayer.Play();
  g.BGMPlayer.Stop();
  g.BGMPlayer.Close();
  MusicEnded(g);
  EXPECT_THAT(backend.Take(), ElementsAre("Open BGM4.mid"));
  StartTune("BGM5.mid", false);
  EXPECT_THAT(backend.Take(), ElementsAre("Open BGM5.mid", "Play"));
  EXPECT_STREQ(g.BGMPlayer.StateName(), "playing");
}

TEST_F(MusicDeviceTest, OnlyASuccessfulEndRestartsTheTune) {
  StartTune("BGM1.mid", false);
  backend.Take();
  for (NotifyResult r : {NotifyResult::Superseded, NotifyResult::Aborted, NotifyResult::Failure}) {
    BGMPlayerNotify(g, r);
    EXPECT_THAT(backend.Take(), IsEmpty());
  }
  BGMPlayerNotify(g, NotifyResult::Successful);
  EXPECT_THAT(backend.Take(), ElementsAre("Play"));
}

}  // namespace
