#include <gtest/gtest.h>

#include <filesystem>

#include "base/PictureName.h"
#include "host/records/ReplayFolder.h"
#include "support/FileTimes.h"
#include "support/ScratchFolder.h"

namespace {

std::string Name(int n) {
  char text[32];
  std::snprintf(text, sizeof text, "20261201-%02d%02d00.replay", n / 60, n % 60);
  return text;
}

}  // namespace

TEST(ReplayFolder, NamesARecordingByItsStartAndNeverReusesAName) {
  ScratchFolder scratch;
  ReplayFolder folder(scratch.Path().string());
  const auto start = LocalTime(2026, 12, 10, 4, 30, 5);
  EXPECT_EQ(folder.NewRecordingName(start), "20261210-043005.replay");
  PutFile(scratch / "20261210-043005.replay", "x");
  EXPECT_EQ(folder.NewRecordingName(start), "20261210-043005-2.replay");
  PutFile(scratch / "20261210-043005-2.replay", "x");
  EXPECT_EQ(folder.NewRecordingName(start), "20261210-043005-3.replay");
}

TEST(ReplayFolder, ListsNewestFirstWithLengthAndBestScore) {
  ScratchFolder scratch;
  ReplayFolder folder(scratch.Path().string());
  PutFile(scratch / "20261210-043000.replay",
          "velmorane-replay 1\nseed 1\n# end score 1200 stage 3\nkey down C\n# end score 3400 stage 2\n");
  PutFile(scratch / "20261209-120000.replay", "velmorane-replay 1\nseed 2\n");
  PutFile(scratch / "notes.txt", "not a recording");
  // The last line was written 95 seconds after the start.
  ASSERT_TRUE(SetModified(scratch / "20261210-043000.replay", LocalTime(2026, 12, 10, 4, 31, 35)));

  const auto list = folder.List();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].Name, "20261210-043000.replay");
  EXPECT_EQ(list[0].Start, "2026-12-10 04:30:00");
  EXPECT_EQ(list[0].Seconds, 95);
  EXPECT_EQ(list[0].BestScore, 3400);
  EXPECT_EQ(list[1].Name, "20261209-120000.replay");
  EXPECT_EQ(list[1].BestScore, 0);
  EXPECT_FALSE(list[0].OtherVersion);
}

TEST(ReplayFolder, MarksARecordingMadeUnderOtherRules) {
  ScratchFolder scratch;
  ReplayFolder folder(scratch.Path().string());
  PutFile(scratch / "20261210-043000.replay", "velmorane-replay 1\nseed 1\nrules 2\nactivate\n");
  PutFile(scratch / "20261209-120000.replay", "velmorane-replay 1\nseed 2\nrules 1\nactivate\n");
  const auto list = folder.List();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_TRUE(list[0].OtherVersion);
  EXPECT_FALSE(list[1].OtherVersion);
  EXPECT_TRUE(folder.MadeByOtherVersion("20261210-043000.replay"));
  EXPECT_FALSE(folder.MadeByOtherVersion("20261209-120000.replay"));
  EXPECT_FALSE(folder.MadeByOtherVersion("20261208-120000.replay"));
}

TEST(ReplayFolder, PruningKeepsTheNewestAndThoseOfTheTable) {
  ScratchFolder scratch;
  ReplayFolder folder(scratch.Path().string());
  const int total = static_cast<int>(ReplayFolder::kKept) + 5;
  for (int n = 0; n < total; ++n) PutFile(scratch / Name(n), "velmorane-replay 1\n");
  PutFile(scratch / "mine.txt", "kept");
  folder.Prune({Name(1)});
  for (int n = 0; n < total; ++n) {
    const bool kept = n >= 5 || n == 1;
    EXPECT_EQ(std::filesystem::exists(scratch / Name(n)), kept) << Name(n);
  }
  EXPECT_TRUE(std::filesystem::exists(scratch / "mine.txt"));
}

TEST(PictureName, TakesTheTimeAndCountsOnWhenTheNameIsTaken) {
  ScratchFolder scratch;
  const auto when = LocalTime(2026, 12, 10, 9, 8, 7);
  const std::string first = FreePictureName(scratch.Path().string(), when);
  EXPECT_EQ(first, (scratch / "velmorane-20261210-090807.png").string());
  PutFile(first, "png");
  EXPECT_EQ(FreePictureName(scratch.Path().string(), when), (scratch / "velmorane-20261210-090807-2.png").string());
}

TEST(ReplayFolder, TellsARecordingsNameFromAnyOtherText) {
  EXPECT_TRUE(IsRecordingName("20261210-043005.replay"));
  EXPECT_TRUE(IsRecordingName("20261210-043005-12.replay"));
  EXPECT_FALSE(IsRecordingName("../20261210-043005.replay"));
  EXPECT_FALSE(IsRecordingName("replays/20261210-043005.replay"));
  EXPECT_FALSE(IsRecordingName("20261210-043005.replay.tmp"));
  EXPECT_FALSE(IsRecordingName("scores.txt"));
  EXPECT_FALSE(IsRecordingName(""));
}
