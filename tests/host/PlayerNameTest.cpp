#include <gtest/gtest.h>

#include <map>

#include "host/settings/PlayerName.h"

namespace {

Environment With(std::map<std::string, std::string> vars) {
  return [vars](const std::string& name) -> std::optional<std::string> {
    const auto found = vars.find(name);
    if (found == vars.end()) return std::nullopt;
    return found->second;
  };
}

}  // namespace

TEST(PlayerName, TheSettingsNameComesFirst) {
  Settings s;
  s.PlayerName = "Aki";
  EXPECT_EQ(PlayerName(s, With({{"LOGNAME", "aki"}}), "acct"), "Aki");
}

TEST(PlayerName, ElseTheLoginName) {
  EXPECT_EQ(PlayerName(Settings{}, With({{"LOGNAME", "aki"}, {"USER", "other"}}), "acct"), "aki");
  EXPECT_EQ(PlayerName(Settings{}, With({{"LOGNAME", ""}, {"USER", "ren"}}), "acct"), "ren");
}

TEST(PlayerName, ElseTheAccountsNameElsePlayer) {
  EXPECT_EQ(PlayerName(Settings{}, With({}), "acct"), "acct");
  EXPECT_EQ(PlayerName(Settings{}, With({}), ""), "PLAYER");
}
