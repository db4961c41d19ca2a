#include "pixel_frame.h"

#include "text_source.h"

namespace assetgen {

FrameSet LoadFrames(const std::filesystem::path& path, const Palette& palette) {
  const SourceFile file = ReadRawSource(path);
  FrameSet frames;
  std::size_t i = 0;
  while (i < file.lines.size()) {
    const auto& head = file.lines[i++];
    if (head.text[0] == '#') continue;
    const auto words = SplitWords(head.text);
    if (words.size() != 2 || words[0] != "frame") throw SourceError(file, head.number, "expected 'frame <name>'");
    if (frames.count(words[1])) throw SourceError(file, head.number, "frame defined twice");
    PixelFrame frame;
    for (int y = 0; y < kFrameSize; ++y) {
      if (i >= file.lines.size()) throw SourceError(file, head.number, "frame has fewer than 24 rows");
      const auto& row = file.lines[i++];
      if (static_cast<int>(row.text.size()) != kFrameSize)
        throw SourceError(file, row.number, "row must be 24 characters wide");
      for (int x = 0; x < kFrameSize; ++x) {
        const char c = row.text[x];
        try {
          frame.index[PixelFrame::Offset(x, y)] = static_cast<std::uint8_t>(palette.Index(c));
        } catch (const std::exception& e) {
          throw SourceError(file, row.number, e.what());
        }
        frame.solid[PixelFrame::Offset(x, y)] = c != kEmptyChar;
      }
    }
    frames[words[1]] = frame;
  }
  return frames;
}

}  // namespace assetgen
