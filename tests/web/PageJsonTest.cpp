#include <gtest/gtest.h>

#include "host/text/MenuCaptions.h"
#include "host/text/RecordCaptions.h"
#include "support/FileTimes.h"
#include "support/ScratchFolder.h"
#include "web/PageJson.h"

TEST(PageJson, StringsAreQuotedWithTheirQuotesBackslashesAndControlCharactersEscaped) {
  EXPECT_EQ(JsonString("plain"), "\"plain\"");
  EXPECT_EQ(JsonString("say \"hi\""), "\"say \\\"hi\\\"\"");
  EXPECT_EQ(JsonString("C:\\games"), "\"C:\\\\games\"");
  EXPECT_EQ(JsonString("one\ntwo\t\x01"), "\"one\\u000atwo\\u0009\\u0001\"");
  EXPECT_EQ(JsonString("やり直し(R)"), "\"やり直し(R)\"") << "UTF-8 passes as it is";
  EXPECT_EQ(JsonString(""), "\"\"");
}

TEST(PageJson, SettingsNameTheLanguageVolumesScalePlayerAndEveryActionsKey) {
  Settings s;
  s.Lang = Language::English;
  s.MusicVolume = 40;
  s.Mute = true;
  s.WindowScale = 2;
  s.PlayerName = "Aki";
  Action holder{};
  ASSERT_TRUE(s.Keys.Bind(Action::P1Jump, "X", holder));
  EXPECT_EQ(SettingsJson(s, 7),
            "{\"language\":\"en\",\"musicVolume\":40,\"effectsVolume\":100,\"mute\":true,\"windowScale\":2,"
            "\"playerName\":\"Aki\",\"generation\":7,"
            "\"keys\":[\"Left\",\"Right\",\"Up\",\"Down\",\"X\",\"C\",\"B\",\"F\",\"G\",\"V\",\"Z\",\"Enter\","
            "\"C\",\"P\",\"R\",\"A\",\"S\",\"Q\",\"W\",\"M\"]}");
}

TEST(PageJson, CaptionsHoldEveryMenuAndRecordCaptionOfTheLanguage) {
  for (const Language language : {Language::Japanese, Language::English}) {
    const std::string json = CaptionsJson(language);
    const MenuCaptions& m = CaptionsIn(language);
    const RecordCaptions& r = RecordCaptionsIn(language);
    EXPECT_NE(json.find("\"RestartMenu\":" + JsonString(m.RestartMenu)), std::string::npos) << json;
    EXPECT_NE(json.find("\"PressNewKey\":" + JsonString(m.PressNewKey)), std::string::npos);
    EXPECT_NE(json.find("\"ScoresMenu\":" + JsonString(r.ScoresMenu)), std::string::npos);
    EXPECT_NE(json.find("\"Close\":" + JsonString(r.Close)), std::string::npos);
    EXPECT_NE(json.find("\"OtherVersion\":" + JsonString(r.OtherVersion)), std::string::npos);
    EXPECT_NE(json.find("\"EnglishName\":" + JsonString(kEnglishName)), std::string::npos);
    EXPECT_NE(json.find("\"Actions\":[" + JsonString(m.Actions.front()) + ","), std::string::npos);
    EXPECT_EQ(json.back(), '}');
  }
}

TEST(PageJson, RecordsListTheTableAndTheRecordingsAndOnlyPointToRecordingsStillThere) {
  ScratchFolder folder;
  PutFile(folder / "20261210-101500.replay", "velmorane-replay 1\n# end score 900 stage 2\n");
  // Its last line was written the moment it began.
  ASSERT_TRUE(SetModified(folder / "20261210-101500.replay", LocalTime(2026, 12, 10, 10, 15, 0)));
  ScoreTable table;
  table.Insert({900, 2, false, "2026-12-10 10:15", "20261210-101500.replay", "ANNA"});
  table.Insert({300, 1, false, "2026-12-09 09:00", "20261209-090000.replay", "BEN \"B\""});
  table.Insert({2000, 10, true, "2026-12-08 08:00", "", "CARL"});
  const std::string json = RecordsJson(table, ReplayFolder(folder.Path().string()), RecordCaptionsIn(Language::English));
  EXPECT_NE(json.find("{\"score\":900,\"reached\":\"Stage 2\",\"date\":\"2026-12-10 10:15\","
                      "\"replay\":\"20261210-101500.replay\",\"otherVersion\":false,\"name\":\"ANNA\"}"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"replay\":\"\",\"otherVersion\":false,\"name\":\"BEN \\\"B\\\"\""), std::string::npos)
      << "a recording pruned since is not offered: " << json;
  EXPECT_NE(json.find("\"replays\":[{\"name\":\"20261210-101500.replay\",\"start\":\"2026-12-10 10:15:00\""),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"length\":\"0:00\",\"best\":900,\"otherVersion\":false}]"), std::string::npos) << json;
  EXPECT_NE(json.find("{\"score\":2000,\"reached\":\"Ending\""), std::string::npos) << json;
}

TEST(PageJson, RecordsMarkARecordingMadeUnderOtherRules) {
  ScratchFolder folder;
  PutFile(folder / "20261210-101500.replay", "velmorane-replay 1\nseed 1\nrules 2\n# end score 900 stage 2\n");
  ScoreTable table;
  table.Insert({900, 2, false, "2026-12-10 10:15", "20261210-101500.replay", "ANNA"});
  const std::string json = RecordsJson(table, ReplayFolder(folder.Path().string()), RecordCaptionsIn(Language::English));
  EXPECT_NE(json.find("\"replay\":\"20261210-101500.replay\",\"otherVersion\":true"), std::string::npos) << json;
  EXPECT_NE(json.find("\"best\":900,\"otherVersion\":true}"), std::string::npos) << json;
}
