// Builds the game's artwork, music and sound effects from the readable
// sources under assets/: sheet layouts and pixel grids, the logo's
// lettering, tune note lists and effect synthesis settings.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bmp_writer.h"
#include "icon.h"
#include "logo.h"
#include "midi_writer.h"
#include "palette.h"
#include "preview.h"
#include "score.h"
#include "sheet.h"
#include "sound_effect.h"

namespace fs = std::filesystem;
using namespace assetgen;

namespace {

struct Options {
  fs::path source = VELMORANE_ASSET_SOURCE_DIR;
  fs::path out;
  fs::path preview;
  fs::path icons;
  bool verbose = false;
};

std::vector<fs::path> FilesWithExtension(const fs::path& folder, const std::string& extension) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == extension) files.push_back(entry.path());
  // Shortest name first puts the one-player sheet before the two-player one.
  std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
    const auto sa = a.stem().string(), sb = b.stem().string();
    return sa.size() != sb.size() ? sa.size() < sb.size() : sa < sb;
  });
  return files;
}

// The icon's name in the desktop's icon theme, as the menu entry names it.
constexpr const char* kIconFile = "velmorane.png";

constexpr const char* kTintNames[] = {"blue1", "blue2", "blue3", "red1", "red2", "red3"};

bool UsesTints(const IndexedImage& image, const Palette& palette) {
  for (const char* name : kTintNames)
    if (std::count(image.pixels.begin(), image.pixels.end(), palette.IndexNamed(name))) return true;
  return false;
}

// The tints as they look after the brightness key has been pressed ten
// times, so the preview shows the tinted tiles' detail.
PaletteColours BrightenedTints(const Palette& palette) {
  PaletteColours colours = palette.colours;
  for (const char* name : kTintNames) {
    Rgb& c = colours[palette.IndexNamed(name)];
    c.r = c.r ? static_cast<std::uint8_t>(c.r + 100) : 0;
    c.b = c.b ? static_cast<std::uint8_t>(c.b + 100) : 0;
  }
  return colours;
}

// The icon at every size, laid out as in the desktop's icon theme.
void WriteIcons(const fs::path& themeFolder, const IndexedImage& chrSheet, const PaletteColours& colours) {
  for (int size : kIconSizes) {
    const fs::path folder = themeFolder / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    fs::create_directories(folder);
    WritePng(folder / kIconFile, BuildIcon(chrSheet, colours, size));
  }
}

int Usage() {
  std::fprintf(stderr,
               "usage: velmorane-assetgen [--source DIR] [--out DIR] [--preview FILE.png] [--icons DIR] [--verbose]\n"
               "  --out      write the sheets, logo, tunes and effects into DIR\n"
               "  --preview  write a contact sheet of the sheets and the logo\n"
               "  --icons    write the desktop icon at every size into DIR/NxN/apps/velmorane.png\n");
  return 2;
}

int Run(const Options& o) {
  const Palette palette = LoadPalette(o.source / "palette.txt");
  std::vector<NamedPicture> sheets;
  for (const auto& layout : FilesWithExtension(o.source / "sprites", ".layout"))
    sheets.push_back({layout.stem().string(), BuildSheet(layout, palette), palette.colours});
  const auto logos = FilesWithExtension(o.source / "logo", ".logo");
  if (logos.size() != 1) throw std::runtime_error("expected one .logo file in logo/");
  const NamedPicture logo{logos[0].stem().string(), BuildLogo(logos[0], palette), palette.colours};

  if (!o.out.empty()) {
    fs::create_directories(o.out);
    for (const auto& s : sheets) WriteBmp8(o.out / (s.name + ".bmp"), s.image, palette.colours);
    WriteBmp8(o.out / (logo.name + ".bmp"), logo.image, palette.colours);
    for (const auto& tune : FilesWithExtension(o.source / "music", ".txt")) {
      const Score score = LoadScore(tune);
      WriteMidi(o.out / (tune.stem().string() + ".mid"), score);
      if (o.verbose) std::printf("%-12s %6.1f s\n", (tune.stem().string() + ".mid").c_str(), score.Seconds());
    }
    for (const auto& effect : FilesWithExtension(o.source / "sounds", ".txt")) {
      const SoundEffect fx = LoadSoundEffect(effect);
      const auto samples = RenderSoundEffect(fx);
      WriteWav16Mono(o.out / (effect.stem().string() + ".wav"), samples, fx.rate);
      if (o.verbose)
        std::printf("%-12s %6.3f s\n", (effect.stem().string() + ".wav").c_str(), double(samples.size()) / fx.rate);
    }
  }
  if (!o.icons.empty()) WriteIcons(o.icons, sheets.front().image, palette.colours);
  if (!o.preview.empty()) {
    auto shown = sheets;
    for (const auto& s : sheets)
      if (UsesTints(s.image, palette)) shown.push_back({s.name + " brightened", s.image, BrightenedTints(palette)});
    WritePreview(o.preview, shown, logo);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--verbose") {
      o.verbose = true;
      continue;
    }
    if (i + 1 >= argc) return Usage();
    if (arg == "--source")
      o.source = argv[++i];
    else if (arg == "--out")
      o.out = argv[++i];
    else if (arg == "--preview")
      o.preview = argv[++i];
    else if (arg == "--icons")
      o.icons = argv[++i];
    else
      return Usage();
  }
  if (o.out.empty() && o.preview.empty() && o.icons.empty()) return Usage();
  try {
    return Run(o);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velmorane-assetgen: %s\n", e.what());
    return 1;
  }
}
