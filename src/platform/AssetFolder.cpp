#include "platform/AssetFolder.h"

#include <SDL_filesystem.h>
#include <SDL_stdinc.h>

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

std::string DefaultAssetDir() {
  char* base = SDL_GetBasePath();
  std::filesystem::path programDir;
  if (base) {
    programDir = base;
    SDL_free(base);
  }
  return FindAssetDir(programDir);
}
