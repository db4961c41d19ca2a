// The online race's costs: the turn gate's work for one turn on both sides
// (inputs scheduled, sent, read and let go), and a real race on 127.0.0.1
// paced at the default 50 ms a frame: the bytes each side sends a second,
// ENet's headers and pings included, and how long a key takes from one side
// to the other's game.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <thread>

#include "base/SteadyClock.h"
#include "host/race/RaceSession.h"
#include "host/race/TurnGate.h"
#include "net/EnetTransport.h"

namespace {

constexpr std::uint32_t kDelay = 3;

void BM_TurnGateTurn(benchmark::State& state) {
  TurnGate host(kDelay), guest(kDelay);
  std::string error;
  std::uint32_t turn = 0;
  for (auto _ : state) {
    host.Schedule(turn, {Event::KeyDown(vk::Right)});
    guest.Schedule(turn, {Event::KeyUp('C')});
    const auto toGuest = DecodeMessage(EncodeMessage(host.Outgoing()), error);
    const auto toHost = DecodeMessage(EncodeMessage(guest.Outgoing()), error);
    guest.Receive(std::get<InputMessage>(*toGuest));
    host.Receive(std::get<InputMessage>(*toHost));
    if (!host.Ready(turn) || !guest.Ready(turn)) state.SkipWithError("a turn was not ready");
    benchmark::DoNotOptimize(host.Local(turn).size() + host.Remote(turn).size() + guest.Remote(turn).size());
    host.Ran(turn);
    guest.Ran(turn);
    ++turn;
  }
}
BENCHMARK(BM_TurnGateTurn);

// Both sides of a race in one program, each turn due every 50 ms: the side
// that can run its turn does, with a key change now and then.
void BM_RaceOnLoopback(benchmark::State& state) {
  constexpr std::int64_t kFrameMs = 50, kRaceMs = 6000;
  for (auto _ : state) {
    std::string error;
    auto listening = EnetTransport::Listen(0, error);
    RaceAddress to{"127.0.0.1", listening->Port()};
    auto joining = EnetTransport::Connect(to, kRaceProtocol, error);
    RaceSession host(*listening, {RaceRole::Host, "bench", kRaceProtocol, 1, "", nullptr}, SteadyMs);
    RaceSession guest(*joining, {RaceRole::Guest, "bench", kRaceProtocol, 1, "loopback", nullptr}, SteadyMs);
    host.Offer(1, kFrameMs);
    std::uint32_t turn[2] = {0, 0};
    std::int64_t begun = 0, latest = 0, sentAt[2] = {0, 0};
    std::uint32_t bytesAtStart[2] = {0, 0};
    RaceSession* sides[2] = {&host, &guest};
    while (latest - begun < kRaceMs) {
      const std::int64_t now = SteadyMs();
      for (int i = 0; i < 2; ++i) sides[i]->Pump(0);
      if (!host.Start() || !guest.Start()) continue;
      if (begun == 0) {
        begun = latest = now;
        bytesAtStart[0] = listening->SentBytes();
        bytesAtStart[1] = joining->SentBytes();
      }
      latest = now;
      for (int i = 0; i < 2; ++i) {
        RaceSession& s = *sides[i];
        if (now < begun + static_cast<std::int64_t>(turn[i]) * kFrameMs || !s.Ready(turn[i])) continue;
        // The guest presses a key every 20th turn; the host's game sees it
        // when it runs the turn it was scheduled for.
        std::vector<Event> own;
        if (i == 1 && turn[1] % 20 == 0) {
          own.push_back(Event::KeyDown('C'));
          sentAt[1] = now;
        }
        if (i == 0 && !host.GuestEvents(turn[0]).empty()) {
          state.counters["key_ms"] = std::max<double>(state.counters["key_ms"], static_cast<double>(now - sentAt[1]));
        }
        s.Schedule(turn[i], std::move(own));
        s.Ran(turn[i], s.DigestDue(turn[i]) ? std::optional<std::uint64_t>(turn[i]) : std::nullopt);
        ++turn[i];
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const double seconds = static_cast<double>(latest - begun) / 1000;
    state.counters["host_bytes_per_s"] = (listening->SentBytes() - bytesAtStart[0]) / seconds;
    state.counters["guest_bytes_per_s"] = (joining->SentBytes() - bytesAtStart[1]) / seconds;
    state.counters["delay_turns"] = host.Start()->Delay;
    state.counters["turns"] = std::min(turn[0], turn[1]);
  }
}
BENCHMARK(BM_RaceOnLoopback)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
