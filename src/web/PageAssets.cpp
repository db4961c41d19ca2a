#include "web/PageAssets.h"

#include <vector>

#include "base/FileBytes.h"
#include "host/io/Sheets.h"
#include "state/Game.h"

bool LoadPageAssets(Game& g, GlyphText& text, std::string& error) {
  const std::string glyphs = std::string(kPageAssetDir) + "/" + kGlyphFile;
  std::vector<unsigned char> bytes;
  if (!ReadFileBytes(glyphs, bytes, error) || !text.Load(bytes, kGlyphFile, error)) return false;
  g.Text = &text;
  return LoadSheets(g, kPageAssetDir, error);
}
