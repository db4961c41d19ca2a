#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "host/records/RunRecords.h"
#include "support/ScratchFolder.h"
#include "support/TestGame.h"

namespace {

bool HasRecordings(const std::filesystem::path& data) {
  std::error_code ec;
  return std::filesystem::exists(data / "replays", ec) && !std::filesystem::is_empty(data / "replays", ec);
}

}  // namespace

TEST(RunRecords, TheRecordingIsMadeOnlyOnceAGameBeganAndHoldsEverythingBefore) {
  ScratchFolder scratch;
  std::vector<std::string> said;
  RunRecords records(scratch.Path().string(), [&said](const std::string& line) { said.push_back(line); });
  TestGame t;
  RecordKeeper keeper(*t, [] { return std::string("2026-12-10 04:30"); });
  records.Begin({7, 1, 0}, std::chrono::system_clock::time_point{}, "ann", keeper);

  keeper.Dispatched(Event::Tick(TimerId::TitleTimer));
  keeper.Dispatched(Event::KeyDown(13));
  EXPECT_FALSE(HasRecordings(scratch.Path()));
  EXPECT_EQ(records.RecordingName(), "");

  // The tick that starts the game is seen before it runs; the next event
  // finds the game begun.
  keeper.Dispatched(Event::Tick(TimerId::TitleTimer));
  t->Timer1.SetEnabled(true);
  EXPECT_EQ(records.RecordingName(), "");
  keeper.Dispatched(Event::Tick(TimerId::Timer1));
  ASSERT_TRUE(IsRecordingName(records.RecordingName())) << records.RecordingName();
  EXPECT_EQ(FileText(scratch / ("replays/" + records.RecordingName())),
            "velmorane-replay 1\nseed 7\nrules 1\ntick TitleTimer\nkey down Enter\n"
            "tick TitleTimer\ntick Timer1\n");
  EXPECT_TRUE(said.empty());
}

TEST(RunRecords, AGamePutInTheRunsPlaceLeavesTheRunsRecordingUnmade) {
  ScratchFolder scratch;
  RunRecords records(scratch.Path().string(), [](const std::string&) {});
  TestGame t;
  RecordKeeper keeper(*t, [] { return std::string("2026-12-10 04:30"); });
  records.Begin({7, 1, 0}, std::chrono::system_clock::time_point{}, "ann", keeper);
  keeper.Dispatched(Event::Tick(TimerId::TitleTimer));
  keeper.Finish();  // a recording watched, or an online race, takes the game's place
  t->Timer1.SetEnabled(true);
  keeper.Finish();  // and the run ends with that game in play
  EXPECT_FALSE(HasRecordings(scratch.Path()));
}
