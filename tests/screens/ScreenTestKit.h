#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "audio/MusicDevice.h"
#include "shell/Game.h"

// A music backend that only writes down what it was asked to do, as
// "Open name", "Play", "PlayAndWait", "Stop", "Close".
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
    int n = 0;
    for (const std::string& f : Played) n += f == file;
    return n;
  }
  std::vector<std::string> Played;
};

// Writes down every line of text asked for and renders it as a solid block,
// 8 pixels a character, so its colour can be read back off the surface.
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
  std::vector<std::string> Lines;
};

// Counts the repaints asked of the visible field.
class RepaintCounter : public Presenter {
 public:
  void Repaint() override { ++Count; }
  int Count = 0;
};

// A started program (tables filled, timers at their intervals) whose
// music, effects and repaints are recorded.
struct TestGame {
  TestGame() : g(std::make_unique<Game>()) {
    FormCreate(*g, 12345);
    g->TitleTimer.SetEnabled(false);
    g->BGMPlayer.Attach(&music);
    g->Sound = &sound;
    g->Screen = &screen;
    g->Text = &text;
  }
  Game& operator*() { return *g; }
  Game* operator->() { return g.get(); }

  MusicLog music;
  SoundLog sound;
  RepaintCounter screen;
  TextLog text;
  std::unique_ptr<Game> g;
};
