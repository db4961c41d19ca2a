#pragma once

#include <string>

class Surface;

// Writes a picture of plain 0x00RRGGBB pixels as PNG; false with a one-line
// reason.
bool SavePng(const Surface& picture, const std::string& path, std::string& error);
