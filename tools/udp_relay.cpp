// A UDP relay between the two sides of a race, for tests: whatever a client
// sends goes on to the target and the target's answers come back, each held
// for a while drawn from a seeded generator (so datagrams overtake one
// another), some lost, and all lost for a stretch of time when asked.
//
//   udp_relay --target 127.0.0.1:PORT --port-file FILE --seed N [--delay-ms MIN:MAX]
//             [--loss PERCENT] [--blackout-after-ms A --blackout-ms B] [--lifetime-ms L]
//
// It listens on a free port of 127.0.0.1 and writes that port's number into
// FILE once it listens; it stops after the lifetime or on SIGTERM.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <queue>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::milliseconds;

constexpr int kBadArguments = 2;
constexpr int kCannotRun = 1;
constexpr std::size_t kMaxClients = 8;
constexpr std::size_t kMaxWaiting = 10000;
constexpr std::size_t kLargestDatagram = 65536;
constexpr long kDefaultLifetimeMs = 600000;

struct Options {
  sockaddr_in Target{};
  std::string PortFile;
  std::uint32_t Seed = 0;
  long DelayMinMs = 0;
  long DelayMaxMs = 0;
  double LossPercent = 0;
  std::optional<long> BlackoutAfterMs;
  std::optional<long> BlackoutMs;
  long LifetimeMs = kDefaultLifetimeMs;
};

template <typename Number>
bool ReadNumber(std::string_view text, Number& value) {
  const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
  return fault == std::errc() && end == text.data() + text.size();
}

bool ReadAddress(std::string_view text, sockaddr_in& address) {
  const std::size_t colon = text.rfind(':');
  unsigned port = 0;
  if (colon == std::string_view::npos || !ReadNumber(text.substr(colon + 1), port) || port < 1 || port > 65535) {
    return false;
  }
  address = {};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  return ::inet_pton(AF_INET, std::string(text.substr(0, colon)).c_str(), &address.sin_addr) == 1;
}

bool ReadDelay(std::string_view text, Options& options) {
  const std::size_t colon = text.find(':');
  return colon != std::string_view::npos && ReadNumber(text.substr(0, colon), options.DelayMinMs) &&
         ReadNumber(text.substr(colon + 1), options.DelayMaxMs) && options.DelayMinMs >= 0 &&
         options.DelayMinMs <= options.DelayMaxMs;
}

bool ReadMs(std::string_view text, long& ms) { return ReadNumber(text, ms) && ms >= 0; }

bool ReadOptionalMs(std::string_view text, std::optional<long>& ms) {
  long read = 0;
  if (!ReadMs(text, read)) return false;
  ms = read;
  return true;
}

// Reads the command line; false with one line saying what is wrong.
bool ReadOptions(int argc, char** argv, Options& options, std::string& error) {
  bool target = false;
  bool seed = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (i + 1 >= argc) {
      error = std::string(name) + " needs a value";
      return false;
    }
    const std::string_view value = argv[++i];
    bool good = true;
    if (name == "--target") {
      good = target = ReadAddress(value, options.Target);
    } else if (name == "--port-file") {
      options.PortFile = value;
      good = !value.empty();
    } else if (name == "--seed") {
      good = seed = ReadNumber(value, options.Seed);
    } else if (name == "--delay-ms") {
      good = ReadDelay(value, options);
    } else if (name == "--loss") {
      good = ReadNumber(value, options.LossPercent) && options.LossPercent >= 0 && options.LossPercent <= 100;
    } else if (name == "--blackout-after-ms") {
      good = ReadOptionalMs(value, options.BlackoutAfterMs);
    } else if (name == "--blackout-ms") {
      good = ReadOptionalMs(value, options.BlackoutMs);
    } else if (name == "--lifetime-ms") {
      good = ReadMs(value, options.LifetimeMs);
    } else {
      error = "unknown option '" + std::string(name) + "'";
      return false;
    }
    if (!good) {
      error = "'" + std::string(value) + "' is not a good value for " + std::string(name);
      return false;
    }
  }
  if (!target || !seed || options.PortFile.empty()) {
    error = "--target IPV4:PORT, --port-file FILE and --seed N are needed";
    return false;
  }
  if (options.BlackoutAfterMs.has_value() != options.BlackoutMs.has_value()) {
    error = "--blackout-after-ms and --blackout-ms go together";
    return false;
  }
  return true;
}

// A socket on a free port of 127.0.0.1, or -1.
int LoopbackSocket() {
  const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::uint16_t PortOf(int fd) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  return ntohs(address.sin_port);
}

bool SameAddress(const sockaddr_in& a, const sockaddr_in& b) {
  return a.sin_addr.s_addr == b.sin_addr.s_addr && a.sin_port == b.sin_port;
}

bool WritePortFile(const std::string& path, std::uint16_t port) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary);
    out << port << '\n';
    if (!out.flush()) return false;
  }
  std::error_code fault;
  std::filesystem::rename(temporary, path, fault);
  return !fault;
}

volatile sig_atomic_t stopAsked = 0;

void AskStop(int) { stopAsked = 1; }

// A datagram waiting for its time to go.
struct Waiting {
  Clock::time_point Due;
  std::uint64_t Order = 0;
  int From = -1;
  sockaddr_in To{};
  std::vector<std::uint8_t> Bytes;
};

struct LaterFirst {
  bool operator()(const Waiting& a, const Waiting& b) const {
    return a.Due != b.Due ? a.Due > b.Due : a.Order > b.Order;
  }
};

// A client and the socket its datagrams go to the target from.
struct Client {
  sockaddr_in Address{};
  int Upstream = -1;
};

class Relay {
 public:
  Relay(const Options& options, int listening) : options_(options), listening_(listening), random_(options.Seed) {}
  ~Relay() {
    for (const Client& client : clients_) ::close(client.Upstream);
  }
  Relay(const Relay&) = delete;
  Relay& operator=(const Relay&) = delete;

  void Run(const sigset_t& unblocked) {
    const Clock::time_point end = Clock::now() + Ms(options_.LifetimeMs);
    while (stopAsked == 0) {
      const Clock::time_point now = Clock::now();
      if (now >= end) return;
      SendDue(now);
      const Clock::time_point wake = waiting_.empty() ? end : std::min(end, waiting_.top().Due);
      const auto waitNs = std::chrono::duration_cast<std::chrono::nanoseconds>(wake - now).count();
      const timespec wait{static_cast<time_t>(waitNs / 1000000000), static_cast<long>(waitNs % 1000000000)};
      std::vector<pollfd> watched{{listening_, POLLIN, 0}};
      for (const Client& client : clients_) watched.push_back({client.Upstream, POLLIN, 0});
      if (::ppoll(watched.data(), watched.size(), &wait, &unblocked) <= 0) continue;
      if ((watched[0].revents & POLLIN) != 0) FromClient();
      for (std::size_t i = 1; i < watched.size(); ++i) {
        if ((watched[i].revents & POLLIN) != 0) FromTarget(clients_[i - 1]);
      }
    }
  }

 private:
  void FromClient() {
    sockaddr_in source{};
    const auto bytes = Receive(listening_, source);
    if (!bytes) return;
    const auto known = std::find_if(clients_.begin(), clients_.end(),
                                    [&](const Client& client) { return SameAddress(client.Address, source); });
    if (known != clients_.end()) {
      Hold(known->Upstream, options_.Target, *bytes);
    } else if (clients_.size() < kMaxClients) {
      const int upstream = LoopbackSocket();
      if (upstream < 0) return;
      clients_.push_back({source, upstream});
      Hold(upstream, options_.Target, *bytes);
    }
  }

  void FromTarget(const Client& client) {
    sockaddr_in source{};
    const auto bytes = Receive(client.Upstream, source);
    if (bytes && SameAddress(source, options_.Target)) Hold(listening_, client.Address, *bytes);
  }

  std::optional<std::vector<std::uint8_t>> Receive(int fd, sockaddr_in& source) {
    socklen_t length = sizeof source;
    const ssize_t got = ::recvfrom(fd, buffer_.data(), buffer_.size(), 0, reinterpret_cast<sockaddr*>(&source), &length);
    if (got < 0) return std::nullopt;
    return std::vector<std::uint8_t>(buffer_.begin(), buffer_.begin() + got);
  }

  // Decides a datagram's fate: lost in the blackout, lost by chance, or
  // held for a delay.
  void Hold(int from, const sockaddr_in& to, std::vector<std::uint8_t> bytes) {
    const Clock::time_point now = Clock::now();
    if (!first_) first_ = now;
    const long sinceFirstMs = std::chrono::duration_cast<Ms>(now - *first_).count();
    if (options_.BlackoutAfterMs && sinceFirstMs >= *options_.BlackoutAfterMs &&
        sinceFirstMs < *options_.BlackoutAfterMs + *options_.BlackoutMs) {
      return;
    }
    if (std::uniform_real_distribution<double>(0, 100)(random_) < options_.LossPercent) return;
    const long delayMs = std::uniform_int_distribution<long>(options_.DelayMinMs, options_.DelayMaxMs)(random_);
    if (waiting_.size() >= kMaxWaiting) return;
    waiting_.push({now + Ms(delayMs), nextOrder_++, from, to, std::move(bytes)});
  }

  void SendDue(Clock::time_point now) {
    while (!waiting_.empty() && waiting_.top().Due <= now) {
      const Waiting& due = waiting_.top();
      ::sendto(due.From, due.Bytes.data(), due.Bytes.size(), 0, reinterpret_cast<const sockaddr*>(&due.To),
               sizeof due.To);
      waiting_.pop();
    }
  }

  const Options& options_;
  const int listening_;
  std::mt19937 random_;
  std::vector<Client> clients_;
  std::priority_queue<Waiting, std::vector<Waiting>, LaterFirst> waiting_;
  std::uint64_t nextOrder_ = 0;
  std::optional<Clock::time_point> first_;
  std::vector<std::uint8_t> buffer_ = std::vector<std::uint8_t>(kLargestDatagram);
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::string error;
  if (!ReadOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "udp_relay: %s\n", error.c_str());
    return kBadArguments;
  }
  // SIGTERM and SIGINT are let in only while the relay waits, so a stop is
  // never missed between a check and a wait.
  sigset_t stops;
  sigset_t unblocked;
  sigemptyset(&stops);
  sigaddset(&stops, SIGTERM);
  sigaddset(&stops, SIGINT);
  sigprocmask(SIG_BLOCK, &stops, &unblocked);
  sigdelset(&unblocked, SIGTERM);
  sigdelset(&unblocked, SIGINT);
  struct sigaction stop {};
  stop.sa_handler = AskStop;
  sigaction(SIGTERM, &stop, nullptr);
  sigaction(SIGINT, &stop, nullptr);

  const int listening = LoopbackSocket();
  if (listening < 0) {
    std::fprintf(stderr, "udp_relay: cannot open a UDP socket on 127.0.0.1\n");
    return kCannotRun;
  }
  if (!WritePortFile(options.PortFile, PortOf(listening))) {
    std::fprintf(stderr, "udp_relay: cannot write %s\n", options.PortFile.c_str());
    ::close(listening);
    return kCannotRun;
  }
  {
    Relay relay(options, listening);
    relay.Run(unblocked);
  }
  ::close(listening);
  return 0;
}
