#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "state/MusicDevice.h"
#include "state/Services.h"

// Stand-ins for the program's services that write down what the game asked
// of them.

// The music commands, as "Open name", "Play", "PlayAndWait", "Stop", "Close".
class MusicLog : public MusicBackend {
 public:
  bool Open(const std::string& file) override {
    Calls.push_back("Open " + file);
    return true;
  }
  void Close() override { Calls.push_back("Close"); }
  void Play() override { Calls.push_back("Play"); }
  void PlayAndWait() override { Calls.push_back("PlayAndWait"); }
  void Stop() override { Calls.push_back("Stop"); }

  std::vector<std::string> Calls;
};

// The effects asked for, in order.
class SoundLog : public SoundEffects {
 public:
  void Play(const std::string& file) override { Played.push_back(file); }
  int Count(const std::string& file) const {
    return static_cast<int>(std::count(Played.begin(), Played.end(), file));
  }
  std::vector<std::string> Played;
};

// Every line of text asked for, each rendered as a solid block 8 pixels a
// character, so its colour can be read back off the surface.
class TextLog : public TextRasterizer {
 public:
  TextMask Render(std::string_view, int cellHeight, std::string_view text) override {
    Lines.emplace_back(text);
    TextMask m;
    m.Width = 8 * static_cast<int>(text.size());
    m.Height = cellHeight;
    m.On.assign(static_cast<std::size_t>(m.Width) * m.Height, 1);
    return m;
  }
  bool Drew(const std::string& line) const { return std::find(Lines.begin(), Lines.end(), line) != Lines.end(); }
  std::vector<std::string> Lines;
};

// Counts the repaints asked of the visible field.
class RepaintCounter : public Presenter {
 public:
  void Repaint() override { ++Count; }
  int Count = 0;
};
