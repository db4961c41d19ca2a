#pragma once

#include <chrono>
#include <filesystem>

// A moment of the local calendar, as the recordings' names count time.
std::chrono::system_clock::time_point LocalTime(int year, int month, int day, int hour, int minute, int second);
// Sets a file's modification time; false when the file cannot be touched.
bool SetModified(const std::filesystem::path& file, std::chrono::system_clock::time_point when);
