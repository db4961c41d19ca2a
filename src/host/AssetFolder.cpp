#include "host/AssetFolder.h"

std::string FindAssetDir(const std::filesystem::path& programDir) {
  if (programDir.empty()) return ".";
  for (const std::filesystem::path& dir : {programDir / "assets", programDir / kInstalledAssetDir}) {
    std::error_code ec;
    if (std::filesystem::exists(dir / "ChrImage.bmp", ec)) return dir.lexically_normal().string();
  }
  return ".";
}
