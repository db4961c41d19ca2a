#include <gtest/gtest.h>

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
