#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the game needs of the world outside it. The platform layer provides
// real implementations; headless runs and tests provide their own.

// One line of text rendered as a two-level coverage mask: 1 where a letter is.
struct TextMask {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> On;
};

class TextRasterizer {
 public:
  virtual ~TextRasterizer() = default;
  // Renders text in the named face so that the whole character cell
  // (internal leading included) is cellHeight pixels high.
  virtual TextMask Render(std::string_view face, int cellHeight, std::string_view text) = 0;
};

class SoundEffects {
 public:
  virtual ~SoundEffects() = default;
  // Plays a WAV effect asynchronously; a new effect cuts off the one sounding.
  virtual void Play(const std::string& file) = 0;
};

class Presenter {
 public:
  virtual ~Presenter() = default;
  // ShownField (or the side panel) changed: show the client area now.
  virtual void Repaint() = 0;
};
