#include "web/PageAssets.h"

#include <vector>

#include "base/FileBytes.h"
#include "host/io/Sheets.h"
#include "state/Game.h"
#include "state/StageNumbers.h"

namespace {

std::vector<std::string> AssetFiles() {
  std::vector<std::string> files{"ChrImage.bmp", "Chr2Image.bmp", "TitleImage.bmp", kGlyphFile,
                                 "Title.mid",    "START.mid",     "clear.mid",      "over.mid",
                                 "ending.mid"};
  for (int stage = kFirstStage; stage <= kLastStage; ++stage) files.push_back("BGM" + std::to_string(stage) + ".mid");
  return files;
}

}  // namespace

const std::vector<std::string>& PageAssetFiles() {
  static const std::vector<std::string> files = AssetFiles();
  return files;
}

const std::vector<std::string>& PageEffectFiles() {
  static const std::vector<std::string> files{"jump1.wav", "landing2.wav", "get1.wav", "miss1.wav", "clear1.wav"};
  return files;
}

bool LoadPageAssets(Game& g, GlyphText& text, std::string& error) {
  const std::string glyphs = std::string(kPageAssetDir) + "/" + kGlyphFile;
  std::vector<unsigned char> bytes;
  if (!ReadFileBytes(glyphs, bytes, error) || !text.Load(bytes, kGlyphFile, error)) return false;
  g.Text = &text;
  return LoadSheets(g, kPageAssetDir, error);
}
