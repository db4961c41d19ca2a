#include "host/settings/SettingsStore.h"

#include <filesystem>
#include <vector>

#include "base/AtomicFile.h"
#include "base/FileBytes.h"

SettingsStore::SettingsStore(const std::string& path, Trouble trouble) : path_(path), trouble_(std::move(trouble)) {
  std::error_code ec;
  if (!std::filesystem::exists(path_, ec) && !ec) {
    writable_ = true;
    return;
  }
  std::vector<unsigned char> bytes;
  std::string error;
  std::vector<std::string> warnings;
  if (!ReadFileBytes(path_, bytes, error)) {
    trouble_(error + "; using the default settings, and the file is left alone");
    return;
  }
  if (!file_.Parse(path_, std::string(bytes.begin(), bytes.end()), settings_, warnings)) {
    trouble_(path_ + ": not a settings file (binary or not UTF-8 text); using the default settings, and the file is "
             "left alone");
    return;
  }
  for (const std::string& w : warnings) trouble_(w);
  writable_ = true;
}

void SettingsStore::Change(const Settings& s) {
  if (s == settings_) return;
  settings_ = s;
  if (!writable_) return;
  std::string error;
  if (!WriteFileAtomically(path_, file_.Render(settings_), error) && !complained_) {
    trouble_("cannot save the settings: " + error + "; they last until the game ends");
    complained_ = true;
  }
}
