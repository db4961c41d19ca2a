#include <gtest/gtest.h>

#include <filesystem>

#include "base/AtomicFile.h"
#include "support/ScratchFolder.h"

namespace {

int EntriesIn(const std::filesystem::path& dir) {
  int n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++n;
  return n;
}

}  // namespace

TEST(AtomicFile, WritesANewFileAndItsFolder) {
  ScratchFolder scratch;
  const auto path = scratch / "deep/er/scores.txt";
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path.string(), "one\ntwo\n", error)) << error;
  EXPECT_EQ(FileText(path), "one\ntwo\n");
  EXPECT_EQ(EntriesIn(path.parent_path()), 1) << "no temporary file stays behind";
}

TEST(AtomicFile, ReplacesTheOldTextWhole) {
  ScratchFolder scratch;
  const auto path = scratch / "settings.ini";
  PutFile(path, "a much longer old text that the new one does not cover\n");
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path.string(), "new\n", error)) << error;
  EXPECT_EQ(FileText(path), "new\n");
}

TEST(AtomicFile, KeepsTheOldFilesPermissions) {
  ScratchFolder scratch;
  const auto path = scratch / "private.ini";
  PutFile(path, "old\n");
  std::filesystem::permissions(path, std::filesystem::perms(0600));
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(path.string(), "new\n", error)) << error;
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0600));
}

TEST(AtomicFile, AFailedRenameLeavesWhatWasThereAndNoTemporaryFile) {
  ScratchFolder scratch;
  // A folder in the file's place cannot be renamed over.
  const auto path = scratch / "scores.txt";
  std::filesystem::create_directories(path / "kept");
  std::string error;
  EXPECT_FALSE(WriteFileAtomically(path.string(), "new\n", error));
  EXPECT_NE(error.find(path.string()), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_directory(path / "kept"));
  EXPECT_EQ(EntriesIn(scratch.Path()), 1) << "the temporary file is removed";
}

TEST(AtomicFile, AFolderThatCannotBeMadeIsNamed) {
  ScratchFolder scratch;
  // A file where the folder should be.
  PutFile(scratch / "blocked", "x");
  std::string error;
  EXPECT_FALSE(WriteFileAtomically((scratch / "blocked/scores.txt").string(), "new\n", error));
  EXPECT_NE(error.find("blocked"), std::string::npos) << error;
}
