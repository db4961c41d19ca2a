#pragma once

#include <cstdint>
#include <string>

#include "web/PagePlay.h"

// The one game the page shows, which the page's exported functions act on.
// Starting again replaces it.
bool StartPageGame(const PageStart& how, std::int64_t now, std::string& error);
// The game started; nullptr before a start or after one that failed.
PagePlay* ThePageGame();
