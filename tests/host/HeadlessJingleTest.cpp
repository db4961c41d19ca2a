#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/MidiLength.h"

namespace fs = std::filesystem;

namespace {

std::string RunAndCapture(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  pclose(pipe);
  return out;
}

std::string LineStarting(const std::string& text, const std::string& head) {
  const std::size_t at = text.find("\n" + head);
  if (at == std::string::npos) return {};
  const std::size_t end = text.find('\n', at + 1);
  return text.substr(at + 1 + head.size(), end - at - 1 - head.size());
}

// Headless, the start jingle holds the game for exactly the tune's own
// length on the virtual clock, and the stage tune follows it.
TEST(HeadlessJingle, StartJingleAdvancesTheVirtualClockByItsLength) {
  const fs::path assets = VELMORANE_ASSET_DIR;
  if (!fs::exists(assets / "START.mid")) GTEST_SKIP() << "the generated START.mid is not built yet";
  std::ifstream in(assets / "START.mid", std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto length = MidiLengthMs(bytes);
  ASSERT_TRUE(length.has_value());

  const fs::path replay = fs::temp_directory_path() / ("velmorane-jingle-" + std::to_string(::getpid()) + ".txt");
  std::ofstream(replay) << "velmorane-replay 1\nseed 9\nkey down Enter\ntick TitleTimer\nkey up Enter\n";
  const std::string dump = RunAndCapture(std::string(VELMORANE_BINARY) + " --headless --dump-state --replay " +
                                         replay.string() + " --assets " + assets.string() + " 2>/dev/null");
  fs::remove(replay);
  EXPECT_EQ(LineStarting(dump, "VirtualTime "), std::to_string(*length));
  EXPECT_EQ(LineStarting(dump, "Music "), "BGM1.mid playing");
}

}  // namespace
