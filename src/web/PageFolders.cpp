#include "web/PageFolders.h"

#include "host/settings/SettingsStore.h"

Environment PageEnvironment() {
  return [](const std::string& name) -> std::optional<std::string> {
    if (name == "HOME") return std::string(kPageHome);
    return std::nullopt;
  };
}

std::string PageSettingsFile() { return GameConfigFolder(PageEnvironment()) + "/" + kSettingsFileName; }

std::string PageDataFolder() { return GameDataFolder(PageEnvironment()); }
