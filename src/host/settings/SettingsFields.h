#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/settings/Settings.h"

// One line of the settings file: its key, the comment above it, how its value
// is read and written.
struct SettingsField {
  std::string Key;
  std::string Comment;  // one or more lines, each written after "# "
  std::string Allowed;  // what a value may be, for the warning about a bad one
  // Sets the value from its text; false (settings untouched) when it is bad.
  std::function<bool(const std::string& text, Settings& s)> Read;
  std::function<std::string(const Settings& s)> Write;
};

// Every setting, in the order a new file lists them.
const std::vector<SettingsField>& AllSettingsFields();
