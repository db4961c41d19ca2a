#include "frame_ops.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

namespace assetgen {

namespace {

constexpr int kLast = kFrameSize - 1;

PixelFrame Remap(const PixelFrame& frame, const std::function<void(int x, int y, int& sx, int& sy)>& from) {
  PixelFrame out;
  for (int y = 0; y < kFrameSize; ++y)
    for (int x = 0; x < kFrameSize; ++x) {
      int sx = x, sy = y;
      from(x, y, sx, sy);
      out.index[PixelFrame::Offset(x, y)] = frame.index[PixelFrame::Offset(sx, sy)];
      out.solid[PixelFrame::Offset(x, y)] = frame.solid[PixelFrame::Offset(sx, sy)];
    }
  return out;
}

PixelFrame Mask(const PixelFrame& frame, const Palette& palette) {
  const int white = palette.IndexNamed("white");
  PixelFrame out;
  for (int i = 0; i < kFrameSize * kFrameSize; ++i) {
    out.index[i] = static_cast<std::uint8_t>(frame.solid[i] ? kBlackIndex : white);
    out.solid[i] = true;
  }
  return out;
}

PixelFrame Tint(const PixelFrame& frame, const std::string& spec, const Palette& palette) {
  const auto colon = spec.find(':');
  const std::string family = spec.substr(0, colon);
  std::vector<int> toBlack;
  if (colon != std::string::npos)
    for (char c : spec.substr(colon + 1)) toBlack.push_back(palette.Index(c));
  auto blackened = [&](int index) { return std::find(toBlack.begin(), toBlack.end(), index) != toBlack.end(); };
  const int shades[3] = {palette.IndexNamed(family + "1"), palette.IndexNamed(family + "2"),
                         palette.IndexNamed(family + "3")};
  auto luma = [&](int index) {
    const Rgb c = palette.colours[index];
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
  };
  // The frame's own colours, darkest first, spread over the three shades.
  std::vector<int> used;
  for (int i = 0; i < kFrameSize * kFrameSize; ++i)
    if (frame.index[i] != kBlackIndex && !blackened(frame.index[i]) &&
        std::find(used.begin(), used.end(), frame.index[i]) == used.end())
      used.push_back(frame.index[i]);
  std::sort(used.begin(), used.end(), [&](int a, int b) { return luma(a) < luma(b); });
  PixelFrame out = frame;
  for (int i = 0; i < kFrameSize * kFrameSize; ++i) {
    if (frame.index[i] == kBlackIndex) continue;
    if (blackened(frame.index[i])) {
      out.index[i] = kBlackIndex;
      continue;
    }
    const auto rank = std::find(used.begin(), used.end(), frame.index[i]) - used.begin();
    const int shade = used.size() == 1 ? 2 : static_cast<int>(std::lround(2.0 * rank / (used.size() - 1)));
    out.index[i] = static_cast<std::uint8_t>(shades[shade]);
  }
  return out;
}

PixelFrame Swap(const PixelFrame& frame, const std::string& pairs, const Palette& palette) {
  PixelFrame out = frame;
  for (std::size_t p = 0; p < pairs.size(); p += 3) {
    if (p + 1 >= pairs.size() || (p + 2 < pairs.size() && pairs[p + 2] != ','))
      throw std::runtime_error("swap wants pairs like 'ab,cd', got '" + pairs + "'");
    const int from = palette.Index(pairs[p]);
    const int to = palette.Index(pairs[p + 1]);
    for (int i = 0; i < kFrameSize * kFrameSize; ++i)
      if (frame.index[i] == from && frame.solid[i]) out.index[i] = static_cast<std::uint8_t>(to);
  }
  return out;
}

}  // namespace

PixelFrame ApplyFrameOp(const PixelFrame& frame, const std::string& op, const Palette& palette) {
  if (op == "mask") return Mask(frame, palette);
  if (op == "mirror")
    return Remap(frame, [](int x, int y, int& sx, int& sy) {
      sx = kLast - x;
      sy = y;
    });
  if (op == "rot90")
    return Remap(frame, [](int x, int y, int& sx, int& sy) {
      sx = y;
      sy = kLast - x;
    });
  if (op == "rot180")
    return Remap(frame, [](int x, int y, int& sx, int& sy) {
      sx = kLast - x;
      sy = kLast - y;
    });
  if (op == "rot270")
    return Remap(frame, [](int x, int y, int& sx, int& sy) {
      sx = kLast - y;
      sy = x;
    });
  if (op.rfind("tint:", 0) == 0) return Tint(frame, op.substr(5), palette);
  if (op.rfind("swap:", 0) == 0) return Swap(frame, op.substr(5), palette);
  throw std::runtime_error("unknown frame operation '" + op + "'");
}

}  // namespace assetgen
