#include "host/io/AssetFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

class AssetFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("asset-folder-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "bin");
  }
  void TearDown() override { fs::remove_all(root_); }
  void PutSheet(const fs::path& dir) {
    fs::create_directories(dir);
    std::ofstream(dir / "ChrImage.bmp") << "BM";
  }
  fs::path root_;
};

TEST_F(AssetFolderTest, AssetsBesideTheProgramComeFirst) {
  PutSheet(root_ / "bin" / "assets");
  PutSheet(root_ / "share" / "velmorane" / "assets");
  EXPECT_EQ(FindAssetDir(root_ / "bin"), (root_ / "bin" / "assets").string());
}

TEST_F(AssetFolderTest, AnInstalledProgramFindsItsDataFolder) {
  PutSheet(root_ / "share" / "velmorane" / "assets");
  EXPECT_EQ(FindAssetDir(root_ / "bin"), (root_ / "share" / "velmorane" / "assets").string());
  EXPECT_EQ(FindAssetDir(root_ / "bin/"), (root_ / "share" / "velmorane" / "assets").string());
}

TEST_F(AssetFolderTest, AProgramInstalledAsADebianGameFindsItsDataFolder) {
  fs::create_directories(root_ / "games");
  PutSheet(root_ / "share" / "games" / "velmorane");
  EXPECT_EQ(FindAssetDir(root_ / "games"), (root_ / "share" / "games" / "velmorane").string());
}

TEST_F(AssetFolderTest, AFolderWithoutTheSheetsDoesNotCount) {
  fs::create_directories(root_ / "bin" / "assets");
  fs::create_directories(root_ / "share" / "velmorane" / "assets");
  EXPECT_EQ(FindAssetDir(root_ / "bin"), ".");
}

TEST_F(AssetFolderTest, AnUnknownProgramFolderMeansTheCurrentDirectory) { EXPECT_EQ(FindAssetDir(""), "."); }

}  // namespace
