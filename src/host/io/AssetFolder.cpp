#include "host/io/AssetFolder.h"

#include <vector>

std::string FindAssetDir(const std::filesystem::path& programDir) {
  if (programDir.empty()) return ".";
  std::vector<std::filesystem::path> candidates = {programDir / "assets"};
  for (const char* installed : kInstalledAssetDirs) candidates.push_back(programDir / installed);
  for (const std::filesystem::path& dir : candidates) {
    std::error_code ec;
    if (std::filesystem::exists(dir / "ChrImage.bmp", ec)) return dir.lexically_normal().string();
  }
  return ".";
}
