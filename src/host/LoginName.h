#pragma once

#include <string>

// The name the user logged in with ("player" when none can be found).
std::string LoginName();
