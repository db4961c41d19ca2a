#pragma once

#include <string>

#include "base/Trouble.h"

#include "host/settings/Settings.h"
#include "host/settings/SettingsFile.h"

// The settings file's name in the game's config folder.
constexpr const char* kSettingsFileName = "settings.ini";

// The settings of one run and the file that keeps them. Every change is
// written at once, atomically, so a program that is killed keeps what was
// chosen before. A file that could not be read as settings is never written
// during the run; a file that cannot be written costs one line of trouble, and the game goes on with the settings in memory.
class SettingsStore {
 public:
  // Without a file: the defaults, nothing read or written.
  SettingsStore() = default;
  // Reads the file at path; a missing file gives the defaults (and is made at
  // the first change). What is wrong with it goes to trouble, one line each.
  SettingsStore(const std::string& path, Trouble trouble);

  const Settings& Current() const { return settings_; }
  // Takes the new settings and writes the file when they differ.
  void Change(const Settings& s);

 private:
  std::string path_;
  Trouble trouble_;
  SettingsFile file_;
  Settings settings_;
  bool writable_ = false;
  bool complained_ = false;
};
