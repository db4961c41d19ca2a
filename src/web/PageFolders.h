#pragma once

#include <string>

#include "base/XdgFolders.h"

// The page's home folder in the program's file system. The page keeps it in
// the browser's storage (web/storage.js), so the settings file and the
// records the desktop's code writes under it last between visits.
constexpr const char* kPageHome = "/home/velmorane";

// The page's environment for the folder lookups: only HOME, the page's home,
// so the folders are the desktop's defaults under it; the player's name is
// not the browser's, so it comes from the settings or is the default one.
Environment PageEnvironment();

// The settings file and the records folder under the page's home.
std::string PageSettingsFile();
std::string PageDataFolder();
