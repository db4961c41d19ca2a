#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace assetgen {

inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kTicksPerStep = kTicksPerQuarter / 4;  // one sixteenth note

struct NoteEvent {
  int start = 0;   // ticks
  int length = 0;  // ticks, already shortened by the track's gate
  int pitch = 0;   // MIDI note number, middle C = 60
  int velocity = 0;
};

struct ScoreTrack {
  std::string name;
  int channel = 0;  // 0-based; 9 is the General MIDI drum channel
  int program = 0;  // 0-based General MIDI program
  int volume = 100;
  int pan = 64;
  int reverb = 40;
  int velocity = 96;
  int gate = 90;  // percent of each note's written length that sounds
  std::vector<NoteEvent> notes;
};

struct Score {
  int tempo = 120;  // quarter notes per minute
  int stepsPerBar = 16;
  int lengthTicks = 0;
  std::vector<ScoreTrack> tracks;

  double Seconds() const { return lengthTicks * 60.0 / (tempo * double(kTicksPerQuarter)); }
};

// A tune source reads:
//   tempo <quarter notes per minute>
//   bar <sixteenths per bar>                    (default 16)
//   track <name> channel <1-16> program <1-128> [volume v] [pan p]
//         [reverb r] [velocity v] [gate percent]
//   section <name>
//     <track>: <notes>           [*repeats]
//     <track> <note>: <steps>    [*repeats]
//   end
//   song <section> <section> ...
// Notes are pitch names with octave (c4 is middle C, f#3, bb2), 'r' for a
// rest, chords joined by '+' (c4+e4+g4); ':n' gives a length in sixteenths
// that holds until changed; 'vNN' sets the velocity; '|' marks a bar line
// and must fall on one. Step lines give one sixteenth per character:
// 'x' a hit, 'X' an accent, 'o' a soft hit, '.' silence ('|' and blanks
// are ignored); a group of steps followed by '*n', joined or apart,
// plays n times. A note line that ends in '*n' repeats whole. Every line
// of a section must last as long as the others.
Score LoadScore(const std::filesystem::path& path);

}  // namespace assetgen
