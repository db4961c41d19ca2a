#include "base/XdgFolders.h"

#include <cstdlib>
#include <fstream>

namespace {

std::string Home(const Environment& env) {
  const auto home = env("HOME");
  return home && !home->empty() ? *home : std::string();
}

// The variable's value when it names an absolute path, else HOME/fallback.
std::string BaseFolder(const Environment& env, const std::string& variable, const std::string& fallback) {
  const auto value = env(variable);
  if (value && !value->empty() && value->front() == '/') return *value;
  const std::string home = Home(env);
  return home.empty() ? std::string() : home + "/" + fallback;
}

std::string InGame(const std::string& base) { return base.empty() ? base : base + "/velmorane"; }

// XDG_PICTURES_DIR="$HOME/Pictures" as user-dirs.dirs writes it; empty when
// the file or the line is not there or names no absolute folder.
std::string PicturesFromUserDirs(const Environment& env) {
  const std::string config = BaseFolder(env, "XDG_CONFIG_HOME", ".config");
  if (config.empty()) return {};
  std::ifstream in(config + "/user-dirs.dirs");
  const std::string key = "XDG_PICTURES_DIR=";
  for (std::string line; std::getline(in, line);) {
    if (line.rfind(key, 0) != 0) continue;
    std::string value = line.substr(key.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) {
      const std::string home = Home(env);
      if (home.empty()) return {};
      value = home + value.substr(5);
    }
    return !value.empty() && value.front() == '/' ? value : std::string();
  }
  return {};
}

}  // namespace

Environment ProcessEnvironment() {
  return [](const std::string& name) -> std::optional<std::string> {
    const char* value = std::getenv(name.c_str());
    if (!value) return std::nullopt;
    return std::string(value);
  };
}

std::string GameDataFolder(const Environment& env) { return InGame(BaseFolder(env, "XDG_DATA_HOME", ".local/share")); }

std::string GameConfigFolder(const Environment& env) { return InGame(BaseFolder(env, "XDG_CONFIG_HOME", ".config")); }

std::string PicturesFolder(const Environment& env) {
  const auto value = env("XDG_PICTURES_DIR");
  if (value && !value->empty() && value->front() == '/') return *value;
  const std::string fromFile = PicturesFromUserDirs(env);
  if (!fromFile.empty()) return fromFile;
  const std::string home = Home(env);
  return home.empty() ? std::string() : home + "/Pictures";
}
