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

// The relay as a child process, stopped with SIGTERM at the end.
class RelayProcess {
 public:
  explicit RelayProcess(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), VELMORANE_UDP_RELAY);
    pid_ = ::fork();
    if (pid_ == 0) {
      std::vector<char*> argv;
      for (std::string& argument : arguments) argv.push_back(argument.data());
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
  }
  ~RelayProcess() {
    if (pid_ > 0 && !ended_) {
      ::kill(pid_, SIGTERM);
      Wait();
    }
  }
  RelayProcess(const RelayProcess&) = delete;
  RelayProcess& operator=(const RelayProcess&) = delete;

  // The exit status.
  int Wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    ended_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
};

// The port the relay wrote into its file, once it has (0 after a few seconds).
std::uint16_t PortFrom(const std::filesystem::path& file) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!std::filesystem::exists(file) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  const std::string text = FileText(file);
  return text.empty() ? 0 : static_cast<std::uint16_t>(std::stoi(text));
}

TEST(UdpRelay, EveryMessageGetsThroughADelayingRelayWithoutLoss) {
  ScratchFolder folder;
  TransportPair pair;
  RelayProcess relay({"--target", "127.0.0.1:" + std::to_string(pair[TransportPair::Host].Port()),
                      "--port-file", (folder / "port").string(), "--seed", "5", "--delay-ms", "0:20"});
  const std::uint16_t relayPort = PortFrom(folder / "port");
  ASSERT_NE(relayPort, 0);
  PeerId guest = 0;
  PeerId host = 0;
  ASSERT_TRUE(pair.Connect(guest, host, relayPort));

  constexpr int kMessages = 40;
  for (std::uint8_t i = 0; i < kMessages; ++i) {
    pair[TransportPair::Guest].Send(host, std::vector<std::uint8_t>{i}, Delivery::Reliable);
    pair[TransportPair::Host].Send(guest, std::vector<std::uint8_t>{i}, Delivery::Unreliable);
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
  ScratchFolder folder;
  TransportPair pair;
  RelayProcess relay({"--target", "127.0.0.1:" + std::to_string(pair[TransportPair::Host].Port()),
                      "--port-file", (folder / "port").string(), "--seed", "1", "--blackout-after-ms", "500",
                      "--blackout-ms", "7000"});
  const std::uint16_t relayPort = PortFrom(folder / "port");
  ASSERT_NE(relayPort, 0);
  PeerId guest = 0;
  PeerId host = 0;
  ASSERT_TRUE(pair.Connect(guest, host, relayPort));
  EXPECT_TRUE(pair.QuietFor(std::chrono::milliseconds(8000)));
  pair[TransportPair::Guest].Send(host, std::vector<std::uint8_t>{1}, Delivery::Reliable);
  const auto after = pair.Next(TransportPair::Host);
  ASSERT_TRUE(after);
  EXPECT_EQ(after->What, LinkEvent::Kind::Received);
}

TEST(UdpRelay, ABadArgumentEndsItWithStatusTwo) {
  RelayProcess relay({"--target", "127.0.0.1:1", "--port-file", "unused", "--seed", "many"});
  EXPECT_EQ(relay.Wait(), 2);
}

}  // namespace
