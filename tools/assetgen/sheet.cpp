#include "sheet.h"

#include <map>
#include <set>
#include <utility>

#include "frame_ops.h"
#include "pixel_frame.h"
#include "text_source.h"

namespace assetgen {

namespace {

class FrameLibrary {
 public:
  FrameLibrary(std::filesystem::path folder, const Palette& palette) : folder_(std::move(folder)), palette_(palette) {}

  const PixelFrame& Get(const std::string& reference) {
    const auto dot = reference.find('.');
    if (dot == std::string::npos) throw std::runtime_error("frame reference needs file.frame: " + reference);
    const std::string file = reference.substr(0, dot);
    const std::string name = reference.substr(dot + 1);
    auto loaded = files_.find(file);
    if (loaded == files_.end()) loaded = files_.emplace(file, LoadFrames(folder_ / (file + ".txt"), palette_)).first;
    const auto frame = loaded->second.find(name);
    if (frame == loaded->second.end()) throw std::runtime_error("no frame '" + name + "' in " + file + ".txt");
    return frame->second;
  }

 private:
  std::filesystem::path folder_;
  const Palette& palette_;
  std::map<std::string, FrameSet> files_;
};

// The frame drawn over another: its see-through pixels show the other.
PixelFrame Underlay(const PixelFrame& top, const PixelFrame& below) {
  PixelFrame out = below;
  for (int i = 0; i < kFrameSize * kFrameSize; ++i)
    if (top.solid[i]) {
      out.index[i] = top.index[i];
      out.solid[i] = true;
    }
  return out;
}

}  // namespace

IndexedImage BuildSheet(const std::filesystem::path& layout, const Palette& palette) {
  const SourceFile file = ReadSource(layout);
  FrameLibrary library(layout.parent_path(), palette);
  IndexedImage sheet;
  int pitch = 0;
  std::set<std::pair<int, int>> placed;
  for (const auto& line : file.lines) {
    const auto words = SplitWords(line.text);
    if (words[0] == "size" && words.size() == 3) {
      const int w = ParseInt(words[1], file, line.number);
      const int h = ParseInt(words[2], file, line.number);
      sheet = IndexedImage(w, h, kBlackIndex);
    } else if (words[0] == "pitch" && words.size() == 2) {
      pitch = ParseInt(words[1], file, line.number);
    } else if (words[0] == "at" && words.size() >= 4) {
      if (sheet.width == 0 || pitch < kFrameSize)
        throw SourceError(file, line.number, "size and pitch must come before the cells");
      const int x = ParseInt(words[1], file, line.number);
      const int y = ParseInt(words[2], file, line.number);
      if (x % pitch || y % pitch || x + kFrameSize > sheet.width || y + kFrameSize > sheet.height)
        throw SourceError(file, line.number, "cell position off the sheet's grid");
      if (!placed.insert({x, y}).second) throw SourceError(file, line.number, "cell filled twice");
      try {
        PixelFrame frame = library.Get(words.back());
        for (std::size_t k = words.size() - 2; k >= 3; --k) {
          if (words[k].rfind("under:", 0) == 0)
            frame = Underlay(frame, library.Get(words[k].substr(6)));
          else
            frame = ApplyFrameOp(frame, words[k], palette);
        }
        for (int fy = 0; fy < kFrameSize; ++fy)
          for (int fx = 0; fx < kFrameSize; ++fx) sheet.at(x + fx, y + fy) = frame.index[PixelFrame::Offset(fx, fy)];
      } catch (const SourceError&) {
        throw;
      } catch (const std::exception& e) {
        throw SourceError(file, line.number, e.what());
      }
    } else {
      throw SourceError(file, line.number, "expected 'size', 'pitch' or 'at'");
    }
  }
  return sheet;
}

}  // namespace assetgen
