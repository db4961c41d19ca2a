#include "host/race/StateDigest.h"

#include <sstream>

#include "game/StateDump.h"
#include "state/Game.h"

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

// The dump's lines that are one side's own: its clock and its music.
bool SideOwnLine(std::string_view line) { return line.starts_with("VirtualTime ") || line.starts_with("Music "); }

void WriteRacer(std::ostream& out, const Game& g, int i) {
  const Character& c = g.Duo[i];
  out << "racer " << i << ' ' << c.X << ' ' << c.Y << ' ' << c.DX << ' ' << c.DY << ' ' << c.Jumping << ' '
      << c.JumpTick << ' ' << c.JumpDX << ' ' << c.JumpX << ' ' << c.JumpY << ' ' << c.State << ' '
      << g.DuoItemsLeft[i] << " keys " << g.LeftKeys[i] << g.RightKeys[i] << g.UpKeys[i] << g.DownKeys[i]
      << g.JumpKeys[i] << '\n';
}

}  // namespace

std::uint64_t Fnv1a64(std::string_view bytes) {
  std::uint64_t h = kFnvOffset;
  for (const char c : bytes) {
    h ^= static_cast<unsigned char>(c);
    h *= kFnvPrime;
  }
  return h;
}

std::string RaceStateText(const Game& g, std::uint32_t turn) {
  std::ostringstream dump;
  DumpState(g, 0, dump);
  std::ostringstream out;
  out << "turn " << turn << '\n';
  std::istringstream lines(dump.str());
  for (std::string line; std::getline(lines, line);) {
    if (!SideOwnLine(line)) out << line << '\n';
  }
  for (int i = 0; i < 2; ++i) WriteRacer(out, g, i);
  return out.str();
}

std::uint64_t RaceStateDigest(const Game& g, std::uint32_t turn) { return Fnv1a64(RaceStateText(g, turn)); }
