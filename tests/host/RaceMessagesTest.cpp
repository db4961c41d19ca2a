#include <gtest/gtest.h>

#include "host/race/RaceMessages.h"
#include "host/race/TurnGate.h"

namespace {

RaceMessage RoundTrip(const RaceMessage& m) {
  std::string error;
  const std::optional<RaceMessage> back = DecodeMessage(EncodeMessage(m), error);
  EXPECT_TRUE(back.has_value()) << error;
  return back.value_or(EndMessage{});
}

std::optional<RaceMessage> Decode(std::vector<std::uint8_t> bytes) {
  std::string error;
  std::optional<RaceMessage> m = DecodeMessage(bytes, error);
  EXPECT_EQ(m.has_value(), error.empty());
  return m;
}

}  // namespace

TEST(RaceMessages, EveryKindReadsBackAsWritten) {
  const auto hello = std::get<HelloMessage>(RoundTrip(HelloMessage{1, 3, "1.2.3"}));
  EXPECT_EQ(hello.Rules, 3);
  EXPECT_EQ(hello.Version, "1.2.3");
  const auto reject = std::get<RejectMessage>(RoundTrip(RejectMessage{RejectReason::Rules, 9, 2, "x"}));
  EXPECT_EQ(reject.Reason, RejectReason::Rules);
  EXPECT_EQ(reject.Protocol, 9);
  EXPECT_TRUE(std::get<PingMessage>(RoundTrip(PingMessage{true, 0xDEADBEEF})).Answer);
  const auto start = std::get<StartMessage>(RoundTrip(StartMessage{4000000000u, 70, 5, 3}));
  EXPECT_EQ(start.Seed, 4000000000u);
  EXPECT_EQ(start.FrameMs, 70);
  EXPECT_EQ(start.Delay, 5);
  EXPECT_EQ(start.Round, 3);
  EXPECT_TRUE(std::holds_alternative<AgainMessage>(RoundTrip(AgainMessage{})));
  const auto digest = std::get<DigestMessage>(RoundTrip(DigestMessage{1, 10, 0x0123456789ABCDEFULL}));
  EXPECT_EQ(digest.Value, 0x0123456789ABCDEFULL);
  const InputMessage input{2, 7, 5, {{Event::KeyDown('C'), Event::KeyUp('Z')}, {}, {Event::SliderMove(SliderId::Speed, 300)}}};
  const auto read = std::get<InputMessage>(RoundTrip(input));
  EXPECT_EQ(read.Round, 2);
  EXPECT_EQ(read.Ack, 7u);
  EXPECT_EQ(read.First, 5u);
  ASSERT_EQ(read.Turns.size(), 3u);
  EXPECT_EQ(read.Turns[0][1].Kind, EventKind::KeyUp);
  EXPECT_EQ(read.Turns[0][1].Key, 'Z');
  EXPECT_TRUE(read.Turns[1].empty());
  EXPECT_EQ(read.Turns[2][0].Value, 300);
}

TEST(RaceMessages, AnythingElseIsRefusedWhole) {
  std::vector<std::uint8_t> input = EncodeMessage(InputMessage{0, 0, 2, {{Event::KeyDown('C')}}});
  EXPECT_FALSE(Decode({}));
  EXPECT_FALSE(Decode({'V', 'R'}));
  EXPECT_FALSE(Decode({'X', 'R', 8, 0, 0, 0, 0}));
  EXPECT_FALSE(Decode({'V', 'R', 99}));
  EXPECT_FALSE(Decode(std::vector<std::uint8_t>(input.begin(), input.end() - 1)));
  input.push_back(0);
  EXPECT_FALSE(Decode(input));
  EXPECT_FALSE(Decode({'V', 'R', 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255}));                 // too many turns
  EXPECT_FALSE(Decode({'V', 'R', 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 9, 0}));          // no such event
  EXPECT_FALSE(Decode({'V', 'R', 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 4, 0xFF, 0xFF}));  // speed past the slider
  EXPECT_FALSE(Decode({'V', 'R', 1, 1, 0, 1, 0, 200, 'a'}));                        // a version longer than allowed
  EXPECT_FALSE(Decode({'V', 'R', 2, 7, 1, 0, 1, 0, 0}));                            // a refusal for no reason
}

TEST(TurnGate, ATurnRunsOnlyWithBothSidesInputsAndLocalOnesRunDelayTurnsLater) {
  TurnGate gate(2);
  EXPECT_TRUE(gate.Ready(0));
  EXPECT_TRUE(gate.Ready(1));
  EXPECT_FALSE(gate.Ready(2));
  gate.Schedule(0, {Event::KeyDown(vk::Left)});
  EXPECT_FALSE(gate.Ready(2));  // the other side's input for turn 2 is missing
  ASSERT_TRUE(gate.Receive({0, 2, 2, {{Event::KeyDown('C')}}}));
  EXPECT_TRUE(gate.Ready(2));
  EXPECT_EQ(gate.Local(2)[0].Key, vk::Left);
  EXPECT_EQ(gate.Remote(2)[0].Key, 'C');
  EXPECT_FALSE(gate.Ready(3));
}

TEST(TurnGate, InputsRepeatUntilAcknowledgedAndRepeatsCountOnce) {
  TurnGate gate(2);
  for (std::uint32_t t = 0; t < 3; ++t) gate.Schedule(t, {Event::KeyDown(vk::Space)});
  InputMessage out = gate.Outgoing();
  EXPECT_EQ(out.First, 2u);
  EXPECT_EQ(out.Turns.size(), 3u);
  ASSERT_TRUE(gate.Receive({0, 4, 2, {{}, {Event::KeyUp('Z')}}}));
  out = gate.Outgoing();
  EXPECT_EQ(out.First, 4u);
  EXPECT_EQ(out.Turns.size(), 1u);
  EXPECT_EQ(out.Ack, 4u);
  ASSERT_TRUE(gate.Receive({0, 4, 3, {{Event::KeyDown('Z')}, {}}}));  // turn 3 again, late and different
  EXPECT_EQ(gate.Remote(3)[0].Kind, EventKind::KeyUp);
  EXPECT_TRUE(gate.Ready(4));
}

TEST(TurnGate, InputsNeverSentAreRefused) {
  TurnGate gate(2);
  EXPECT_FALSE(gate.Receive({0, 9, 2, {}}));          // acknowledges turns not yet made
  EXPECT_FALSE(gate.Receive({0, 0, 1, {{}}}));        // a turn inside the delay
  EXPECT_FALSE(gate.Receive({0, 0, 100000, {{}}}));   // far ahead of any turn that can be made
  EXPECT_FALSE(gate.Ready(2));
}
