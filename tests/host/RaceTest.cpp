#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "game/StateDump.h"
#include "host/loop/FreshGame.h"
#include "host/race/MemoryTransport.h"
#include "host/race/OnlineRace.h"
#include "host/race/RaceSession.h"
#include "host/race/RaceTurns.h"
#include "host/race/StateDigest.h"
#include "host/replay/Replay.h"
#include "support/TestGame.h"

namespace {

// Every event one side's game was given, as a recording's lines.
struct StreamLog : EventObserver {
  void Dispatched(const Event& e) override { Lines += ReplayLine(e) + "\n"; }
  std::string Lines;
};

// One program of a race, on the test's clock.
struct Side {
  Side(Transport& t, RaceRole role, const std::int64_t& clock, std::uint16_t protocol = kRaceProtocol)
      : session(t, {role, "test", protocol, kRules, "guest:1", nullptr}, [&clock] { return clock; }) {}

  // Runs what is ready, up to turn limit; own[k] is what this side does in
  // turn k. Each race of the connection begins afresh at turn 0.
  void Step(const std::vector<std::vector<Event>>& own, std::uint32_t limit = UINT32_MAX) {
    session.Pump(0);
    const std::optional<StartMessage>& start = session.Start();
    if (start && (!turns || start->Round != round)) {
      StartGameAfresh(*game, {start->Seed, 1, 0});
      turns.emplace(*game, &log);
      turns->Begin(*start);
      round = start->Round;
      turn = 0;
    }
    for (; turns && turn < limit && session.Ready(turn); ++turn) {
      RunRaceTurn(*game, session, *turns, turn, turn < own.size() ? own[turn] : std::vector<Event>{});
    }
  }
  std::string Dump() {
    std::ostringstream out;
    DumpState(*game, 0, out);
    return out.str();
  }

  TestGame game;
  StreamLog log;
  RaceSession session;
  std::optional<RaceTurns> turns;
  std::uint8_t round = 0;
  std::uint32_t turn = 0;
};

// A racer's random keys, turn by turn: each of its keys goes down and up.
std::vector<std::vector<Event>> RandomKeys(RaceRole side, std::uint32_t seed, std::size_t count) {
  const std::vector<int> keys = side == RaceRole::Host ? std::vector<int>{vk::Left, vk::Right, vk::Up, vk::Space}
                                                       : std::vector<int>{'C', 'B', 'F', 'Z'};
  std::mt19937 random(seed);
  std::vector<std::vector<Event>> turns(count);
  std::vector<bool> held(keys.size());
  for (auto& turn : turns) {
    const std::size_t k = random() % (keys.size() * 3);
    if (k >= keys.size()) continue;
    turn.push_back(held[k] ? Event::KeyUp(keys[k]) : Event::KeyDown(keys[k]));
    held[k] = !held[k];
  }
  return turns;
}

struct RaceTest : ::testing::Test {
  // Runs both sides until both are over, at most limitMs of the clock.
  void RaceUntilOver(std::int64_t limitMs = 600000) {
    while ((host.session.Phase() != RacePhase::Over || guest.session.Phase() != RacePhase::Over) && clock < limitMs) {
      clock += 1;
      host.Step(hostKeys);
      guest.Step(guestKeys);
    }
  }

  std::int64_t clock = 0;
  MemoryLink link{clock, {7, 0, 150, 0.05, 0.05}};
  Side host{link.HostEnd(), RaceRole::Host, clock};
  Side guest{link.GuestEnd(), RaceRole::Guest, clock};
  std::vector<std::vector<Event>> hostKeys = RandomKeys(RaceRole::Host, 11, 600);
  std::vector<std::vector<Event>> guestKeys = RandomKeys(RaceRole::Guest, 12, 650);
};

}  // namespace

TEST_F(RaceTest, BothSidesEndInTheSameGameOverALossyLink) {
  host.session.Offer(4242, 50);
  host.session.EndAfter(599);
  link.Connect(kRaceProtocol);
  RaceUntilOver();
  EXPECT_EQ(host.session.Outcome(), RaceOutcome::Finished) << host.session.Message();
  EXPECT_EQ(guest.session.Outcome(), RaceOutcome::Finished) << guest.session.Message();
  EXPECT_EQ(host.turn, 600u);
  EXPECT_EQ(guest.turn, 600u);
  EXPECT_GE(host.session.Start()->Delay, 4);  // round trips of up to 300 ms at 50 ms a frame
  EXPECT_EQ(host.Dump(), guest.Dump());
  EXPECT_NE(host.Dump().find("PlayMode 1\n"), std::string::npos);
  EXPECT_EQ(host.log.Lines, guest.log.Lines);
  EXPECT_NE(host.log.Lines.find("key down C"), std::string::npos);
  EXPECT_NE(host.log.Lines.find("key down Left"), std::string::npos);
}

TEST_F(RaceTest, AGameThatGoesAnotherWayStopsBothSides) {
  host.session.Offer(4242, 50);
  link.Connect(kRaceProtocol);
  while (guest.turn < 30 && clock < 100000) {
    ++clock;
    host.Step(hostKeys);
    guest.Step(guestKeys);
  }
  guest.game->Duo[0].X += 4;
  RaceUntilOver();
  EXPECT_EQ(host.session.Outcome(), RaceOutcome::Desync);
  EXPECT_EQ(guest.session.Outcome(), RaceOutcome::Desync);
  EXPECT_NE(guest.session.LocalDigest(), guest.session.RemoteDigest());
}

TEST_F(RaceTest, AnotherRaceBeginsOnANewSeedWhenBothSidesWantIt) {
  host.session.Offer(4242, 50);
  link.Connect(kRaceProtocol);
  for (; (host.turn < 100 || guest.turn < 100) && clock < 100000; ++clock) {
    host.Step(hostKeys, 100);
    guest.Step(guestKeys, 100);
  }
  guest.session.WantAgain();
  for (const std::int64_t until = clock + 1000; clock < until; ++clock) {
    host.Step(hostKeys, 100);
    guest.Step(guestKeys, 100);
  }
  EXPECT_TRUE(host.session.OtherWantsAgain());
  EXPECT_EQ(host.session.Start()->Round, 0);
  host.session.WantAgain();
  for (; (host.turn < 300 || guest.turn < 300 || guest.round == 0) && clock < 200000; ++clock) {
    host.Step(hostKeys, 300);
    guest.Step(guestKeys, 300);
  }
  ASSERT_EQ(guest.session.Start()->Round, 1);
  EXPECT_EQ(guest.session.Start()->Seed, host.session.Start()->Seed);
  EXPECT_NE(host.session.Start()->Seed, 4242u);
  EXPECT_EQ(host.Dump(), guest.Dump());
  EXPECT_EQ(host.log.Lines, guest.log.Lines);
  EXPECT_EQ(host.session.Phase(), RacePhase::Racing);
}

TEST_F(RaceTest, ASilentSideEndsTheRaceAfterFifteenSeconds) {
  host.session.Offer(4242, 50);
  link.Connect(kRaceProtocol);
  while (host.turn < 100 && clock < 100000) {
    ++clock;
    host.Step(hostKeys);
    guest.Step(guestKeys);
  }
  link.Blackout(20000);
  const std::int64_t from = clock;
  bool slow = false;
  while (host.session.Phase() != RacePhase::Over && clock < from + 30000) {
    ++clock;
    host.Step(hostKeys);
    guest.Step(guestKeys);
    slow = slow || host.session.Slow();
  }
  EXPECT_TRUE(slow);
  EXPECT_EQ(host.session.Outcome(), RaceOutcome::Lost);
  EXPECT_GE(clock - from, RaceSession::kGoneMs);
  EXPECT_LE(clock - from, RaceSession::kGoneMs + 200);
}

TEST(RaceHandshake, AProgramOfAnotherProtocolIsRefusedAndTheHostWaitsOn) {
  std::int64_t clock = 0;
  MemoryLink link{clock, {}};
  Side host{link.HostEnd(), RaceRole::Host, clock};
  Side guest{link.GuestEnd(), RaceRole::Guest, clock, kRaceProtocol + 1};
  host.session.Offer(1, 50);
  link.Connect(kRaceProtocol + 1);
  for (; clock < 100; ++clock) {
    host.Step({});
    guest.Step({});
  }
  EXPECT_EQ(guest.session.Outcome(), RaceOutcome::Refused);
  EXPECT_NE(guest.session.Message().find("protocol 1"), std::string::npos) << guest.session.Message();
  EXPECT_NE(guest.session.Message().find("protocol 2"), std::string::npos) << guest.session.Message();
  EXPECT_EQ(host.session.Phase(), RacePhase::Connecting);
}

TEST(RaceHandshake, NobodyAnsweringEndsTheJoinAfterTenSeconds) {
  std::int64_t clock = 0;
  MemoryLink link{clock, {}};
  Side guest{link.GuestEnd(), RaceRole::Guest, clock};
  for (; clock <= RaceSession::kAnswerMs && guest.session.Phase() != RacePhase::Over; ++clock) guest.Step({});
  EXPECT_EQ(guest.session.Outcome(), RaceOutcome::Lost);
  EXPECT_EQ(clock, RaceSession::kAnswerMs + 1);
  EXPECT_NE(guest.session.Message().find("nobody answers at guest:1"), std::string::npos);
}

TEST(RaceDigest, IsTheFnv1aOfTheStateWrittenOutWithoutTheSidesOwnLines) {
  EXPECT_EQ(Fnv1a64(""), 0xcbf29ce484222325ULL);
  EXPECT_EQ(Fnv1a64("a"), 0xaf63dc4c8601ec8cULL);
  TestGame game;
  const std::string text = RaceStateText(*game, 7);
  EXPECT_TRUE(text.starts_with("turn 7\n"));
  EXPECT_EQ(text.find("VirtualTime"), std::string::npos);
  EXPECT_EQ(text.find("\nMusic "), std::string::npos);
  const std::uint64_t before = RaceStateDigest(*game, 7);
  game->Duo[1].JumpTick += 1;  // not in the state dump, but in the race's state
  EXPECT_NE(RaceStateDigest(*game, 7), before);
  EXPECT_NE(RaceStateDigest(*game, 8), RaceStateDigest(*game, 7));
}
