#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "host/text/RecordCaptions.h"

TEST(RecordCaptions, AGameReachedTheEndingOrAStageInTheMenusLanguage) {
  ScoreEntry stage;
  stage.Stage = 7;
  ScoreEntry ending;
  ending.Stage = 10;
  ending.Ending = true;
  EXPECT_EQ(ReachedCaption(stage, RecordCaptionsIn(Language::English)), "Stage 7");
  EXPECT_EQ(ReachedCaption(ending, RecordCaptionsIn(Language::English)), "Ending");
  EXPECT_EQ(ReachedCaption(stage, RecordCaptionsIn(Language::Japanese)),
            std::string(RecordCaptionsIn(Language::Japanese).Stage) + " 7");
}

TEST(RecordCaptions, LengthsAreMinutesAndTwoDigitSeconds) {
  EXPECT_EQ(MinutesText(0), "0:00");
  EXPECT_EQ(MinutesText(9), "0:09");
  EXPECT_EQ(MinutesText(187), "3:07");
  EXPECT_EQ(MinutesText(3600), "60:00");
}

TEST(RecordCaptions, TheFieldListNamesEveryCaptionOnce) {
  const auto fields = RecordCaptionFields();
  EXPECT_EQ(fields.size(), sizeof(RecordCaptions) / sizeof(std::string_view)) << "a caption is missing from the list";
  std::set<std::string_view> names;
  for (const RecordCaptionField& f : fields) names.insert(f.Name);
  EXPECT_EQ(names.size(), fields.size());
  const RecordCaptions& c = RecordCaptionsIn(Language::Japanese);
  const auto named = std::find_if(fields.begin(), fields.end(), [](const RecordCaptionField& f) { return f.Name == "OtherVersion"; });
  ASSERT_NE(named, fields.end());
  EXPECT_EQ(c.*named->Caption, "別のバージョンの記録");
}
