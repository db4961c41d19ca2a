#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "host/settings/SettingsStore.h"
#include "support/ScratchFolder.h"

namespace {

int LinesIn(const std::string& text) {
  int n = 0;
  for (char c : text) n += c == '\n';
  return n;
}

// The lines of trouble a store tells of, each ended by a line break.
struct Told {
  std::string Text;
  Trouble Sink() {
    return [this](const std::string& line) { Text += line + '\n'; };
  }
};

}  // namespace

TEST(SettingsStore, AMissingFileGivesTheDefaultsAndIsMadeAtTheFirstChange) {
  ScratchFolder scratch;
  const auto path = scratch / "config/velmorane/settings.ini";
  Told errors;
  SettingsStore store(path.string(), errors.Sink());
  EXPECT_EQ(store.Current(), Settings{});
  EXPECT_FALSE(std::filesystem::exists(path)) << "nothing is written before a change";
  Settings s;
  s.FrameInterval = 60;
  store.Change(s);
  EXPECT_NE(FileText(path).find("\nspeed = 60\n"), std::string::npos);
  EXPECT_EQ(errors.Text, "");
}

TEST(SettingsStore, EveryChangeIsWrittenAtOnce) {
  ScratchFolder scratch;
  const auto path = scratch / "settings.ini";
  PutFile(path, "# mine\nspeed = 60\n");
  Told errors;
  SettingsStore store(path.string(), errors.Sink());
  EXPECT_EQ(store.Current().FrameInterval, 60);
  Settings s = store.Current();
  s.FrameInterval = 70;
  store.Change(s);
  EXPECT_EQ(FileText(path).substr(0, 18), "# mine\nspeed = 70\n");
  s.Mute = true;
  store.Change(s);
  EXPECT_NE(FileText(path).find("\nmute = yes\n"), std::string::npos);
  EXPECT_EQ(FileText(path).substr(0, 18), "# mine\nspeed = 70\n");
}

TEST(SettingsStore, BadValuesAreNamedOnTheErrorStreamOneLineEach) {
  ScratchFolder scratch;
  const auto path = scratch / "settings.ini";
  PutFile(path, "speed = 60\nbrightness = dim\nmusic_volume = 400\n");
  Told errors;
  SettingsStore store(path.string(), errors.Sink());
  EXPECT_EQ(store.Current().FrameInterval, 60);
  EXPECT_EQ(store.Current().Brightness, 35);
  EXPECT_EQ(store.Current().MusicVolume, 100);
  EXPECT_EQ(LinesIn(errors.Text), 2) << errors.Text;
  EXPECT_NE(errors.Text.find(path.string() + ":2: brightness"), std::string::npos) << errors.Text;
  EXPECT_NE(errors.Text.find(path.string() + ":3: music_volume"), std::string::npos) << errors.Text;
}

TEST(SettingsStore, AGarbageFileIsNamedAndNeverWritten) {
  ScratchFolder scratch;
  const auto path = scratch / "settings.ini";
  const std::string garbage("\x7F" "ELF\x02\x01\x01\0\0\0speed = 60\n", 20);
  PutFile(path, garbage);
  Told errors;
  SettingsStore store(path.string(), errors.Sink());
  EXPECT_EQ(store.Current(), Settings{});
  EXPECT_EQ(LinesIn(errors.Text), 1);
  EXPECT_NE(errors.Text.find(path.string()), std::string::npos);
  Settings s;
  s.FrameInterval = 90;
  store.Change(s);
  EXPECT_EQ(store.Current().FrameInterval, 90) << "the run goes on with the change";
  EXPECT_EQ(FileText(path), garbage);
  EXPECT_EQ(LinesIn(errors.Text), 1) << "and says nothing more";
}

TEST(SettingsStore, AnUnreadableFileIsNamedAndNeverWritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  ScratchFolder scratch;
  const auto path = scratch / "settings.ini";
  PutFile(path, "speed = 60\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  Told errors;
  SettingsStore store(path.string(), errors.Sink());
  EXPECT_EQ(store.Current().FrameInterval, 50);
  EXPECT_NE(errors.Text.find(path.string()), std::string::npos);
  Settings s;
  s.Mute = true;
  store.Change(s);
  std::filesystem::permissions(path, std::filesystem::perms(0644));
  EXPECT_EQ(FileText(path), "speed = 60\n");
}

TEST(SettingsStore, AFolderThatCannotBeMadeCostsOneLineForTheWholeRun) {
  ScratchFolder other;
  Told errors;
  const auto blocked = other / "blocked/settings.ini";
  PutFile(other / "blocked", "a file where the folder should be\n");
  SettingsStore store2(blocked.string(), errors.Sink());
  Settings s;
  for (int v : {60, 70, 80}) {
    s.FrameInterval = v;
    store2.Change(s);
  }
  EXPECT_EQ(store2.Current().FrameInterval, 80);
  EXPECT_EQ(LinesIn(errors.Text), 1) << errors.Text;
  EXPECT_NE(errors.Text.find("cannot save the settings"), std::string::npos);
  EXPECT_EQ(FileText(other / "blocked"), "a file where the folder should be\n");
}

TEST(SettingsStore, AFolderThatCannotBeWrittenKeepsTheOldTextAndNoTemporaryFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  ScratchFolder scratch;
  const auto folder = scratch / "ro";
  const auto path = folder / "settings.ini";
  PutFile(path, "speed = 60\n");
  Told errors;
  SettingsStore store(path.string(), errors.Sink());
  std::filesystem::permissions(folder, std::filesystem::perms(0555));
  Settings s = store.Current();
  s.FrameInterval = 70;
  store.Change(s);
  std::filesystem::permissions(folder, std::filesystem::perms(0755));
  EXPECT_EQ(FileText(path), "speed = 60\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
  EXPECT_EQ(LinesIn(errors.Text), 1);
}

TEST(SettingsStore, WithoutAFileNothingIsReadOrWritten) {
  SettingsStore store;
  Settings s;
  s.Mute = true;
  store.Change(s);
  EXPECT_TRUE(store.Current().Mute);
}

TEST(SettingsStore, AFailedRenameKeepsWhatIsThereAndLeavesNoTemporaryFile) {
  ScratchFolder scratch;
  const auto path = scratch / "settings.ini";
  PutFile(path, "speed = 60\n");
  Told errors;
  SettingsStore store(path.string(), errors.Sink());
  // Something a rename cannot replace takes the file's place while the game runs.
  std::filesystem::remove(path);
  std::filesystem::create_directories(path / "kept");
  Settings s = store.Current();
  s.FrameInterval = 70;
  store.Change(s);
  EXPECT_EQ(LinesIn(errors.Text), 1) << errors.Text;
  EXPECT_NE(errors.Text.find(path.string()), std::string::npos) << errors.Text;
  EXPECT_TRUE(std::filesystem::is_directory(path / "kept"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.Path()), std::filesystem::directory_iterator()),
            1);
}

TEST(SettingsStore, SomethingThatIsNoFileIsNamedAndLeftAlone) {
  ScratchFolder scratch;
  const auto path = scratch / "settings.ini";
  std::filesystem::create_directories(path / "kept");
  Told errors;
  SettingsStore store(path.string(), errors.Sink());
  EXPECT_EQ(LinesIn(errors.Text), 1);
  EXPECT_NE(errors.Text.find(path.string()), std::string::npos) << errors.Text;
  Settings s;
  s.Mute = true;
  store.Change(s);
  EXPECT_EQ(LinesIn(errors.Text), 1) << "no attempt to write it";
  EXPECT_TRUE(std::filesystem::is_directory(path / "kept"));
}
