#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/FileBytes.h"

namespace {

std::filesystem::path Scratch(const char* name) {
  const auto dir = std::filesystem::temp_directory_path() / "velmorane-filebytes";
  std::filesystem::create_directories(dir);
  return dir / name;
}

}  // namespace

TEST(FileBytes, ReadsAWholeFile) {
  const auto path = Scratch("three.bin");
  std::ofstream(path, std::ios::binary) << "abc";
  std::vector<unsigned char> bytes;
  std::string error;
  ASSERT_TRUE(ReadFileBytes(path.string(), bytes, error)) << error;
  EXPECT_EQ(bytes, (std::vector<unsigned char>{'a', 'b', 'c'}));
}

TEST(FileBytes, AMissingFileIsNamed) {
  std::vector<unsigned char> bytes;
  std::string error;
  const auto path = Scratch("none.bin");
  std::filesystem::remove(path);
  EXPECT_FALSE(ReadFileBytes(path.string(), bytes, error));
  EXPECT_EQ(error.rfind(path.string() + ": ", 0), 0u) << error;
}

// A folder opens like a file and only fails on reading.
TEST(FileBytes, AFolderIsRefusedWithItsName) {
  const auto path = Scratch("folder.replay");
  std::filesystem::create_directories(path);
  std::vector<unsigned char> bytes;
  std::string error;
  EXPECT_FALSE(ReadFileBytes(path.string(), bytes, error));
  EXPECT_EQ(error, path.string() + ": is a folder, not a file");
}
