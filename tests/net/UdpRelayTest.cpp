#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "net/TransportPair.h"
#include "support/ScratchFolder.h"

namespace {

// The relay as a child process aimed at a pair's host, stopped with SIGTERM
// at the end.
class Relay {
 public:
  Relay(TransportPair& pair, std::vector<std::string> options) {
    options.insert(options.begin(), {VELMORANE_UDP_RELAY, "--target",
                                     "127.0.0.1:" + std::to_string(pair[TransportPair::Host].Port()),
                                     "--port-file", (folder_ / "port").string()});
    pid_ = ::fork();
    if (pid_ == 0) {
      std::vector<char*> argv;
      for (std::string& option : options) argv.push_back(option.data());
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
  }
  ~Relay() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
  Relay(const Relay&) = delete;
  Relay& operator=(const Relay&) = delete;

  // The port it listens on, once it has written it (0 after a few seconds).
  std::uint16_t Port() const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!std::filesystem::exists(folder_ / "port") && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const std::string text = FileText(folder_ / "port");
    return text.empty() ? 0 : static_cast<std::uint16_t>(std::stoi(text));
  }

 private:
  ScratchFolder folder_;
  pid_t pid_ = -1;
};

TEST(UdpRelay, EveryMessageGetsThroughADelayingRelayWithoutLoss) {
  TransportPair pair;
  const Relay relay(pair, {"--seed", "5", "--delay-ms", "0:20"});
  ASSERT_TRUE(pair.Connect(1, relay.Port()));
  constexpr int kMessages = 40;
  for (std::uint8_t i = 0; i < kMessages; ++i) {
    pair[TransportPair::Guest].Send(pair.HostAtGuest, std::vector<std::uint8_t>{i}, Delivery::Reliable);
    pair[TransportPair::Host].Send(pair.GuestAtHost, std::vector<std::uint8_t>{i}, Delivery::Unreliable);
  }
  std::vector<std::uint8_t> atHost;
  std::vector<std::uint8_t> atGuest;
  for (int i = 0; i < kMessages; ++i) {
    const auto reliable = pair.Next(TransportPair::Host);
    const auto unreliable = pair.Next(TransportPair::Guest);
    ASSERT_TRUE(reliable && unreliable);
    atHost.push_back(reliable->Bytes.at(0));
    atGuest.push_back(unreliable->Bytes.at(0));
  }
  std::vector<std::uint8_t> sent(kMessages);
  std::iota(sent.begin(), sent.end(), 0);
  EXPECT_EQ(atHost, sent);
  std::sort(atGuest.begin(), atGuest.end());
  EXPECT_EQ(atGuest, sent);
}

// The race tells a slow or a lost connection on its own clock: ENet keeps
// a silent one for longer than that.
TEST(EnetTransport, AConnectionOutlastsSevenSilentSecondsThroughTheRelay) {
  TransportPair pair;
  const Relay relay(pair, {"--seed", "1", "--blackout-after-ms", "500", "--blackout-ms", "7000"});
  ASSERT_TRUE(pair.Connect(1, relay.Port()));
  EXPECT_TRUE(pair.QuietFor(std::chrono::milliseconds(8000)));
  pair[TransportPair::Guest].Send(pair.HostAtGuest, std::vector<std::uint8_t>{1}, Delivery::Reliable);
  const auto after = pair.Next(TransportPair::Host);
  ASSERT_TRUE(after);
  EXPECT_EQ(after->What, LinkEvent::Kind::Received);
}

}  // namespace
