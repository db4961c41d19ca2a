#pragma once

#include <imgui.h>

// The glyph ranges the menu font needs: printable ASCII (the slider labels,
// key names and numbers) and every character of every menu and records
// caption in every language. A small atlas instead of the whole Japanese set.
ImVector<ImWchar> MenuGlyphRanges();
