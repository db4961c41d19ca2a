#pragma once

#include <string>

// How the window and the page tell of trouble (base/Trouble): the line after
// the program's name on the error stream, and a notice on screen
// (host/io/Notices.h).
void PrintTrouble(const std::string& line);
