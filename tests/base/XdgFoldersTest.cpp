#include <gtest/gtest.h>

#include <map>

#include "base/XdgFolders.h"
#include "support/ScratchFolder.h"

namespace {

Environment With(std::map<std::string, std::string> values) {
  return [values](const std::string& name) -> std::optional<std::string> {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

}  // namespace

TEST(XdgFolders, DataAndConfigFollowTheVariablesElseHome) {
  EXPECT_EQ(GameDataFolder(With({{"HOME", "/home/ann"}})), "/home/ann/.local/share/velmorane");
  EXPECT_EQ(GameConfigFolder(With({{"HOME", "/home/ann"}})), "/home/ann/.config/velmorane");
  const auto env = With({{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "/data"}, {"XDG_CONFIG_HOME", "/conf"}});
  EXPECT_EQ(GameDataFolder(env), "/data/velmorane");
  EXPECT_EQ(GameConfigFolder(env), "/conf/velmorane");
}

TEST(XdgFolders, ARelativeOrEmptyVariableIsIgnored) {
  const auto env = With({{"HOME", "/home/ann"}, {"XDG_DATA_HOME", "data"}, {"XDG_CONFIG_HOME", ""}});
  EXPECT_EQ(GameDataFolder(env), "/home/ann/.local/share/velmorane");
  EXPECT_EQ(GameConfigFolder(env), "/home/ann/.config/velmorane");
}

TEST(XdgFolders, WithoutHomeNoFolderIsNamed) {
  EXPECT_EQ(GameDataFolder(With({})), "");
  EXPECT_EQ(PicturesFolder(With({})), "");
  EXPECT_EQ(GameDataFolder(With({{"XDG_DATA_HOME", "/data"}})), "/data/velmorane");
}

TEST(XdgFolders, PicturesComeFromTheVariableThenUserDirsThenHome) {
  ScratchFolder scratch;
  const std::string config = (scratch / "config").string();
  EXPECT_EQ(PicturesFolder(With({{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", config}})), "/home/ann/Pictures");
  PutFile(scratch / "config/user-dirs.dirs",
          "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
  EXPECT_EQ(PicturesFolder(With({{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", config}})), "/home/ann/Bilder");
  EXPECT_EQ(PicturesFolder(With({{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", config}, {"XDG_PICTURES_DIR", "/pics"}})),
            "/pics");
}
