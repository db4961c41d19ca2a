#pragma once

#include <string>

#include "base/XdgFolders.h"
#include "host/settings/Settings.h"

// The name the score table shows for the player: the settings' player_name,
// else the login name ($LOGNAME, else $USER), else "PLAYER".
std::string PlayerName(const Settings& s, const Environment& env);
