#pragma once

#include <array>
#include <filesystem>
#include <string>

// Where an installed program keeps its assets, relative to the folder of
// the program itself: bin/ beside share/velmorane/assets (cmake --install),
// or games/ beside share/games/velmorane (Debian's layout for games).
inline constexpr std::array<const char*, 2> kInstalledAssetDirs = {"../share/velmorane/assets",
                                                                   "../share/games/velmorane"};

// The asset folder for a program in programDir: "assets" beside it (a build
// tree), else an installed data folder, each only if it holds the sheets;
// otherwise the current directory.
std::string FindAssetDir(const std::filesystem::path& programDir);
