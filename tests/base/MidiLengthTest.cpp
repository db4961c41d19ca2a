#include "base/MidiLength.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "support/SmfBytes.h"

using namespace smf;

namespace {

std::optional<std::int64_t> Ms(const Bytes& b) { return MidiLengthMs(b); }

}  // namespace

TEST(MidiLength, OneQuarterNoteAtTheDefaultTempoIsHalfASecond) {
  EXPECT_EQ(Ms(SingleNote(480)), 500);
  EXPECT_EQ(MidiLengthMicroseconds(SingleNote(480)), 500000);
}

TEST(MidiLength, TempoChangesApplyFromTheirTick) {
  // One quarter at 1 s, then one quarter at 0.25 s.
  const Bytes b = Concat({Header(0, 1, 480),
                          Track(Concat({Tempo(0, 1000000), Event(0, {0x90, 60, 100}), Tempo(480, 250000),
                                        Event(480, {0x80, 60, 0}), EndOfTrack(0)}))});
  EXPECT_EQ(Ms(b), 1250);
}

TEST(MidiLength, TempoMapOfTheFirstTrackGovernsTheOthers) {
  const Bytes conductor = Track(Concat({Tempo(0, 600000), EndOfTrack(0)}));
  const Bytes notes = Track(Concat({Event(0, {0x90, 60, 100}), Event(960, {0x80, 60, 0}), EndOfTrack(0)}));
  EXPECT_EQ(Ms(Concat({Header(1, 2, 480), conductor, notes})), 1200);
}

TEST(MidiLength, LongestTrackDecides) {
  const Bytes shortTrack = Track(Concat({Event(0, {0x90, 60, 100}), Event(240, {0x80, 60, 0}), EndOfTrack(0)}));
  const Bytes longTrack = Track(Concat({Event(0, {0x91, 64, 100}), Event(1440, {0x81, 64, 0}), EndOfTrack(0)}));
  EXPECT_EQ(Ms(Concat({Header(1, 2, 480), shortTrack, longTrack})), 1500);
  EXPECT_EQ(Ms(Concat({Header(1, 2, 480), longTrack, shortTrack})), 1500);
}

TEST(MidiLength, EndOfTrackAfterTheLastNoteCounts) {
  const Bytes b = Concat({Header(0, 1, 480), Track(Concat({Event(0, {0x90, 60, 100}), Event(480, {0x80, 60, 0}),
                                                            EndOfTrack(480)}))});
  EXPECT_EQ(Ms(b), 1000);
}

TEST(MidiLength, RunningStatusSysExAndTextEventsAreSteppedOver) {
  const Bytes b = Concat({Header(0, 1, 480),
                          Track(Concat({Event(0, {0xFF, 0x03, 0x04, 'T', 'u', 'n', 'e'}),
                                        Event(0, {0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}),
                                        Event(0, {0x90, 60, 100}), Event(0, {64, 100}),  // running status
                                        Event(240, {60, 0}), Event(0, {64, 0}), Event(0, {0xC1, 5}),
                                        Event(240, {0xE0, 0x00, 0x40}), EndOfTrack(0)}))});
  EXPECT_EQ(Ms(b), 500);
}

TEST(MidiLength, LongDeltasUseSeveralBytes) {
  // 0x81 0x00 is 128 ticks; 0x83 0x60 is 480.
  const Bytes b = Concat({Header(0, 1, 128), Track(Concat({Event(128, {0x90, 60, 100}), EndOfTrack(0)}))});
  EXPECT_EQ(b[22], 0x81);
  EXPECT_EQ(Ms(b), 500);
}

TEST(MidiLength, SmpteTimeIgnoresTempo) {
  // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
  const std::uint16_t division = static_cast<std::uint16_t>((0x100 - 25) << 8 | 40);
  const Bytes b = Concat({Header(0, 1, division), Track(Concat({Tempo(0, 250000), Event(2500, {0x80, 60, 0}),
                                                                EndOfTrack(0)}))});
  EXPECT_EQ(Ms(b), 2500);
}

TEST(MidiLength, PartsOfAMillisecondRoundUp) {
  // 1000 ticks a quarter at half a second: half a millisecond a tick.
  const Bytes b = Concat({Header(0, 1, 1000), Track(Concat({Event(1001, {0x80, 60, 0}), EndOfTrack(0)}))});
  EXPECT_EQ(MidiLengthMicroseconds(b), 500500);
  EXPECT_EQ(Ms(b), 501);
}

TEST(MidiLength, UnknownChunksAreSkipped) {
  const Bytes alien = Concat({Bytes{'X', 'F', 'I', 'H'}, Be(3, 4), Bytes{1, 2, 3}});
  EXPECT_EQ(Ms(Concat({Header(0, 1, 480), alien, Track(Concat({Event(480, {0x80, 60, 0}), EndOfTrack(0)}))})), 500);
}

TEST(MidiLength, TrackWithoutEndMarkEndsAtItsLastEvent) {
  EXPECT_EQ(Ms(Concat({Header(0, 1, 480), Track(Event(960, {0x80, 60, 0}))})), 1000);
}

TEST(MidiLength, UnreadableBytesHaveNoLength) {
  EXPECT_EQ(Ms(Bytes{}), std::nullopt);
  EXPECT_EQ(Ms(Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 6, 0, 0, 0, 1, 1, 0xE0}), std::nullopt);
  EXPECT_EQ(Ms(Header(0, 1, 480)), std::nullopt) << "no track at all";
  Bytes truncated = SingleNote(480);
  truncated.resize(truncated.size() - 3);
  EXPECT_EQ(Ms(truncated), std::nullopt);
  EXPECT_EQ(Ms(Concat({Header(0, 1, 480), Track(Concat({Event(0, {60, 100}), EndOfTrack(0)}))})), std::nullopt)
      << "running status with nothing to run on";
  EXPECT_EQ(Ms(Concat({Header(0, 1, 0), Track(EndOfTrack(0))})), std::nullopt) << "zero division";
}

// A header that claims to run past the end of the file, by so much that
// 8 plus its length wraps where size_t has 32 bits (as in WebAssembly).
TEST(MidiLength, HeaderLongerThanTheFileHasNoLength) {
  for (const std::uint32_t claimed : {0xFFFFFFFFu, 0xFFFFFFF8u, 0xFFFFFFF9u, 0x10000u}) {
    Bytes b = Concat({Header(0, 1, 480), Track(Concat({Event(0, {0x90, 60, 100}), EndOfTrack(480)}))});
    const Bytes length = Be(claimed, 4);
    std::copy(length.begin(), length.end(), b.begin() + 4);
    EXPECT_EQ(Ms(b), std::nullopt) << "header length " << claimed;
  }
}

// Where 8 plus the header length wraps around, it lands inside the header:
// a header length of 0xFFFFFFFF would start the chunks at byte 7, read a
// chunk there whose length comes from the track count, the division and the
// byte after the header, and skip it to a real track further on.
TEST(MidiLength, HeaderLengthThatWrapsOntoATrackHasNoLength) {
  constexpr std::uint8_t kSkipped = 0x10;  // the wrapped chunk's length: 0x00000110
  Bytes filler(1 + 0x110, 0);
  filler[0] = kSkipped;
  Bytes b = Concat({Header(0, 0x100, 1), filler, Track(Concat({Event(0, {0x90, 60, 100}), EndOfTrack(4)}))});
  const Bytes length = Be(0xFFFFFFFFu, 4);
  std::copy(length.begin(), length.end(), b.begin() + 4);
  EXPECT_EQ(Ms(b), std::nullopt);
}
