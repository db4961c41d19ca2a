#include <gtest/gtest.h>

#include "base/SteadyClock.h"
#include "host/race/RaceSession.h"
#include "net/EnetTransport.h"

namespace {

RaceSession::Config Side(RaceRole role) { return {role, "test", kRaceProtocol, 1, "127.0.0.1", nullptr}; }

}  // namespace

// Two programs begin a race over the network; a third that comes to race
// too is told the race is full, and the race goes on.
TEST(RaceOverEnet, AThirdProgramFindsTheRaceFull) {
  std::string error;
  auto listening = EnetTransport::Listen(0, error);
  ASSERT_TRUE(listening) << error;
  const RaceAddress at{"127.0.0.1", listening->Port()};
  auto first = EnetTransport::Connect(at, kRaceProtocol, error);
  ASSERT_TRUE(first) << error;
  RaceSession host(*listening, Side(RaceRole::Host), SteadyMs);
  RaceSession guest(*first, Side(RaceRole::Guest), SteadyMs);
  host.Offer(9, 50);
  const std::int64_t deadline = SteadyMs() + 5000;
  while (!(host.Start() && guest.Start()) && SteadyMs() < deadline) {
    host.Pump(1);
    guest.Pump(1);
  }
  ASSERT_TRUE(host.Start() && guest.Start());
  EXPECT_EQ(guest.Start()->Seed, 9u);
  auto third = EnetTransport::Connect(at, kRaceProtocol, error);
  ASSERT_TRUE(third) << error;
  RaceSession late(*third, Side(RaceRole::Guest), SteadyMs);
  while (!late.Outcome() && SteadyMs() < deadline) {
    host.Pump(1);
    guest.Pump(1);
    late.Pump(1);
  }
  EXPECT_EQ(late.Outcome(), RaceOutcome::Refused);
  EXPECT_EQ(late.Message(), "the race at 127.0.0.1 is full");
  EXPECT_EQ(host.Phase(), RacePhase::Racing);
  EXPECT_EQ(guest.Phase(), RacePhase::Racing);
}
