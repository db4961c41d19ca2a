#pragma once

#include <span>
#include <string>

#include "platform/Letterbox.h"

// Lines of text over the picture in a box without a frame, its top-left
// corner at (x, y) of the client area in the game's pixels; it takes no
// input. Inside an ImGui frame.
void DrawInfoBox(const char* id, const Viewport& v, float x, float y, std::span<const std::string> lines);
