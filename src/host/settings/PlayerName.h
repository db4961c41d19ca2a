#pragma once

#include <string>

#include "base/XdgFolders.h"
#include "host/settings/Settings.h"

// The name the score table shows for the player: the settings' player_name,
// else the login name ($LOGNAME, else $USER), else the account's name (as
// AccountName gives it; "" for none), else "PLAYER".
std::string PlayerName(const Settings& s, const Environment& env, const std::string& account);

// The name of the account the program runs under, "" when it has none.
std::string AccountName();
