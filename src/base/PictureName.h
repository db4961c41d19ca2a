#pragma once

#include <chrono>
#include <string>

// A free name in folder for a picture taken at `when` (local time):
// "velmorane-YYYYMMDD-HHMMSS.png", then "-2", "-3" … before ".png" when the
// name is taken.
std::string FreePictureName(const std::string& folder, std::chrono::system_clock::time_point when);
