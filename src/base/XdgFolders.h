#pragma once

#include <functional>
#include <optional>
#include <string>

// Where the game keeps what lasts between runs, after the XDG base directory
// rules. Each lookup reads the environment through `env` (std::getenv unless
// a test gives its own) and needs HOME only when the XDG variable is unset or
// not an absolute path. An empty result means no folder can be named.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;

Environment ProcessEnvironment();

// $XDG_DATA_HOME/velmorane, else ~/.local/share/velmorane.
std::string GameDataFolder(const Environment& env);
// $XDG_CONFIG_HOME/velmorane, else ~/.config/velmorane.
std::string GameConfigFolder(const Environment& env);
// $XDG_PICTURES_DIR, else XDG_PICTURES_DIR in user-dirs.dirs under the
// config home ("$HOME/…" expanded), else ~/Pictures.
std::string PicturesFolder(const Environment& env);
