#include "stages/PrintStage.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <ostream>

#include "base/DecimalNumber.h"
#include "stages/BuildDuoStage.h"
#include "stages/BuildStage1.h"
#include "stages/BuildStage10.h"
#include "stages/BuildStage2.h"
#include "stages/BuildStage3.h"
#include "stages/BuildStage4.h"
#include "stages/BuildStage5.h"
#include "stages/BuildStage6.h"
#include "stages/BuildStage7.h"
#include "stages/BuildStage8.h"
#include "stages/BuildStage9.h"
#include "stages/MapNotation.h"
#include "state/StageNumbers.h"

namespace {

using Builder = void (*)(Game&);

constexpr std::uint32_t kSeedMax = std::numeric_limits<std::uint32_t>::max();

std::optional<Builder> BuilderNamed(const std::string& stage) {
  if (stage == "duo") return BuildDuoStage;
  static constexpr Builder kBuilders[kLastStage] = {BuildStage1, BuildStage2, BuildStage3, BuildStage4,
                                            BuildStage5, BuildStage6, BuildStage7, BuildStage8,
                                            BuildStage9, BuildStage10};
  for (int n = kFirstStage; n <= kLastStage; ++n)
    if (stage == std::to_string(n)) return kBuilders[n - kFirstStage];
  return std::nullopt;
}

void PrintTables(const Game& g, std::ostream& out) {
  out << "player " << g.Player.X << ' ' << g.Player.Y << '\n';
  for (i32 i = 0; i < g.EnemyCount; ++i)
    out << "enemy " << i << ' ' << EnemyKindCode(g.EnemyKind[i]) << ' ' << g.EnemyX[i] << ' ' << g.EnemyY[i] << ' '
        << g.EnemyDX[i] << ' ' << g.EnemyDY[i] << '\n';
  for (i32 i = 0; i < g.LiftCount; ++i)
    out << "lift " << i << ' ' << g.LiftX[i] << ' ' << g.LiftY[i] << ' ' << g.LiftDir[i] << ' '
        << g.LiftMoving[i] << ' ' << g.LiftSeen[i] << '\n';
  out << "state " << g.RandomSeed << '\n';
}

}  // namespace

int PrintStage(const std::string& stage, const std::string& seed, std::ostream& out,
               std::ostream& err) {
  const std::optional<Builder> builder = BuilderNamed(stage);
  if (!builder) {
    err << "velmorane: unknown stage '" << stage << "' (use 1 to 10 or duo)\n";
    return 2;
  }
  const std::optional<std::uint64_t> state = ParseDecimal(seed, kSeedMax);
  if (!state) {
    err << "velmorane: bad seed '" << seed << "' (use a whole number from 0 to 4294967295)\n";
    return 2;
  }
  auto g = std::make_unique<Game>();
  g->RandomSeed = static_cast<std::uint32_t>(*state);
  (*builder)(*g);
  out << MapRows(*g);
  PrintTables(*g, out);
  return 0;
}
