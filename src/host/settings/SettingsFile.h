#pragma once

#include <string>
#include <vector>

#include "host/settings/Settings.h"

// The settings file's text as a person may have edited it: `key = value`
// lines, each under a comment that explains it, with blank lines and
// comments (`#` or `;`) anywhere. Every line read is kept where it was, so
// unknown keys, comments and even bad lines survive a rewrite; only the line
// of a setting whose value changed is written anew, and settings the file
// lacks are added at its end with their comments.
class SettingsFile {
 public:
  // Reads the text of the file called name into settings (the defaults for
  // whatever it lacks). A bad value leaves that setting at its default and
  // adds one line to warnings naming the file, the line and what is allowed.
  // False when the text cannot be settings at all (NUL bytes or not UTF-8).
  bool Parse(const std::string& name, const std::string& text, Settings& settings,
             std::vector<std::string>& warnings);
  // The file's text holding settings.
  std::string Render(const Settings& settings) const;

 private:
  struct Line {
    std::string Text;
    int Field = -1;          // the setting the line sets, -1 for none
    std::string ValueRead;   // that setting's value as it stood once the line was read
  };
  std::vector<Line> lines_;
};
