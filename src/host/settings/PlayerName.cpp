#include "host/settings/PlayerName.h"

namespace {

constexpr const char* kNobody = "PLAYER";

}  // namespace

std::string PlayerName(const Settings& s, const Environment& env) {
  if (!s.PlayerName.empty()) return s.PlayerName;
  for (const char* variable : {"LOGNAME", "USER"}) {
    const auto name = env(variable);
    if (name && !name->empty()) return *name;
  }
  return kNobody;
}
