#pragma once

#include <string>
#include <vector>

#include "host/text/GlyphText.h"

struct Game;

// The page writes what it fetched into this folder of the program's memory
// file system before the game starts: the sheets, the tunes (for their
// lengths) and the glyph file.
constexpr const char* kPageAssetDir = "/assets";
constexpr const char* kGlyphFile = "text.glyphs";

// What the page fetches into kPageAssetDir: the sheets, the glyph file and
// every tune (one for each stage among them).
const std::vector<std::string>& PageAssetFiles();
// The sound effects, which the page's script plays itself.
const std::vector<std::string>& PageEffectFiles();

// Loads the sheets into g and the glyphs into text, and lets g draw text with
// them; false with one line naming the file and what is wrong.
bool LoadPageAssets(Game& g, GlyphText& text, std::string& error);
