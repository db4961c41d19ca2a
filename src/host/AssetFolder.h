#pragma once

#include <filesystem>
#include <string>

// Where an installed program keeps its assets, relative to the folder of
// the program itself (bin/ beside share/).
inline constexpr const char* kInstalledAssetDir = "../share/velmorane/assets";

// The asset folder for a program in programDir: "assets" beside it (a build
// tree), else the installed data folder, each only if it holds the sheets;
// otherwise the current directory.
std::string FindAssetDir(const std::filesystem::path& programDir);
