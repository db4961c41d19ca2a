#pragma once

#include <string>
#include <vector>

// Reads a whole file; false with a one-line reason in error when it cannot.
bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& bytes, std::string& error);
