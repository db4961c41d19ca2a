#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/MusicDevice.h"
#include "state/Services.h"

// A music device with nothing behind it: every tune opens, and a waited-for
// tune (the start jingle) is over the moment it is played. The soak delivers
// end-of-tune notices itself.
class SilentMusic : public MusicBackend {
 public:
  bool Open(const std::string&) override { return true; }
  void Close() override {}
  void Play() override {}
  void PlayAndWait() override {}
  void Stop() override {}
};

// Counts the effects asked for.
class CountedEffects : public SoundEffects {
 public:
  void Play(const std::string&) override { ++Played; }
  std::int64_t Played = 0;
};

// Letters as solid blocks, 6 pixels a character, so drawing text touches
// the same rows and columns a real font would.
class BlockText : public TextRasterizer {
 public:
  TextMask Render(std::string_view, int cellHeight, std::string_view text) override {
    TextMask m;
    m.Width = 6 * static_cast<int>(text.size());
    m.Height = cellHeight > 0 ? cellHeight : 0;
    m.On.assign(static_cast<std::size_t>(m.Width) * static_cast<std::size_t>(m.Height), 1);
    return m;
  }
};
