#pragma once

#include <string>

// How the window and the page tell of trouble (base/Trouble): the line after
// the program's name on the error stream.
void PrintTrouble(const std::string& line);
