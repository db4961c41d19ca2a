#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "assets/AssetFiles.h"

using namespace asset_files;

namespace {

constexpr int kDrumChannel = 9;

std::vector<std::string> StageTunes() {
  std::vector<std::string> names;
  for (int n = 1; n <= 10; ++n) names.push_back("BGM" + std::to_string(n) + ".mid");
  return names;
}

std::vector<std::string> AllTunes() {
  auto names = StageTunes();
  for (const char* n : {"Title.mid", "START.mid", "clear.mid", "over.mid", "ending.mid"}) names.push_back(n);
  return names;
}

}  // namespace

TEST(TuneFiles, AreWellFormedGeneralMidi) {
  for (const auto& name : AllTunes()) {
    const Midi midi = ReadMidi(name);
    EXPECT_TRUE(midi.format == 0 || midi.format == 1) << name;
    EXPECT_GT(midi.noteOns.size(), 8u) << name;
    EXPECT_EQ(midi.openNotesAtEnd, 0) << name << " leaves notes sounding";
    std::set<int> programmed(midi.channelsWithProgram.begin(), midi.channelsWithProgram.end());
    for (const auto& note : midi.noteOns) {
      if (note.channel == kDrumChannel) continue;
      ASSERT_TRUE(programmed.count(note.channel)) << name << ": channel " << note.channel + 1 << " has no instrument";
    }
  }
}

TEST(TuneFiles, RepeatingTunesLoopOnABarLine) {
  auto names = StageTunes();
  names.push_back("ending.mid");
  for (const auto& name : names) {
    const Midi midi = ReadMidi(name);
    EXPECT_GE(midi.seconds, 40.0) << name;
    EXPECT_LE(midi.seconds, 120.0) << name;
    for (int end : midi.trackEndTicks) EXPECT_EQ(end, midi.lengthTicks) << name << ": tracks end apart";
    EXPECT_EQ(midi.lengthTicks % (midi.division * midi.beatsPerBar), 0) << name << " ends inside a bar";
    bool startsAtOnce = false;
    for (const auto& note : midi.noteOns) startsAtOnce |= note.tick < midi.division;
    EXPECT_TRUE(startsAtOnce) << name << " begins with a gap";
  }
}

TEST(TuneFiles, StageTunesHaveDrumsAndBass) {
  for (const auto& name : StageTunes()) {
    const Midi midi = ReadMidi(name);
    bool drums = false, bass = false;
    for (const auto& note : midi.noteOns) {
      drums |= note.channel == kDrumChannel;
      bass |= note.channel != kDrumChannel && note.pitch < 48;
    }
    EXPECT_TRUE(drums) << name << " has no drums";
    EXPECT_TRUE(bass) << name << " has no bass line";
  }
}

TEST(TuneFiles, JinglesAndPhrasesAreShort) {
  const Midi start = ReadMidi("START.mid");
  EXPECT_GE(start.seconds, 2.0);
  EXPECT_LE(start.seconds, 4.0);
  for (const char* name : {"clear.mid", "over.mid"}) {
    const Midi midi = ReadMidi(name);
    EXPECT_GE(midi.seconds, 3.0) << name;
    EXPECT_LE(midi.seconds, 8.0) << name;
  }
  const Midi title = ReadMidi("Title.mid");
  EXPECT_GE(title.seconds, 8.0);
  EXPECT_LE(title.seconds, 60.0);
}

TEST(TuneFiles, EveryTuneHasItsOwnMelody) {
  std::set<std::vector<int>> openings;
  for (const auto& name : AllTunes()) {
    const Midi midi = ReadMidi(name);
    std::vector<int> opening;
    for (const auto& note : midi.noteOns)
      if (note.channel == 0 && opening.size() < 24) opening.push_back(note.pitch);
    EXPECT_GE(opening.size(), 4u) << name << " has no melody on channel 1";
    EXPECT_TRUE(openings.insert(opening).second) << name << " repeats another tune's melody";
  }
}
