#pragma once

#include <cstdint>

// Colours of text, as 0x00BBGGRR.
namespace text_colour {
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kSilver = 0xC0C0C0;
inline constexpr std::uint32_t kRed = 0x0000FF;
inline constexpr std::uint32_t kGreen = 0x00FF00;
inline constexpr std::uint32_t kCyan = 0xFFFF00;
inline constexpr std::uint32_t kMagenta = 0xFF00FF;
inline constexpr std::uint32_t kYellow = 0x00FFFF;
}  // namespace text_colour

// How a line of text looks: the face, the height of its character cell, its
// colour, and its shadow: the line is drawn Copies times, each copy
// ShadowStep pixels right of the next, the one at the given position last
// and on top.
struct TextStyle {
  const char* Face = "Arial";
  int Height = 20;
  std::uint32_t ColorRef = text_colour::kWhite;
  int Copies = 2;
  int ShadowStep = 2;

  // The same style in another colour.
  constexpr TextStyle In(std::uint32_t colorRef) const {
    TextStyle s = *this;
    s.ColorRef = colorRef;
    return s;
  }
};

// The styles the screens use.
namespace text_style {
// Announcements over the field: MISS!, GAME OVER, PAUSE, the winner.
inline constexpr TextStyle kBanner{"Arial", 25, text_colour::kWhite, 2, 2};
// The clear banner, its copies spread wider.
inline constexpr TextStyle kClearBanner{"Arial", 25, text_colour::kRed, 2, 3};
// Lines of the title, the stage titles, the bonuses and the ending.
inline constexpr TextStyle kLine{"Arial", 20, text_colour::kWhite, 2, 2};
}  // namespace text_style
