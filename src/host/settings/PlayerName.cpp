#include "host/settings/PlayerName.h"

#include <pwd.h>
#include <unistd.h>

namespace {

constexpr const char* kNobody = "PLAYER";

}  // namespace

std::string PlayerName(const Settings& s, const Environment& env, const std::string& account) {
  if (!s.PlayerName.empty()) return s.PlayerName;
  for (const char* variable : {"LOGNAME", "USER"}) {
    const auto name = env(variable);
    if (name && !name->empty()) return *name;
  }
  return account.empty() ? kNobody : account;
}

std::string AccountName() {
  const passwd* entry = ::getpwuid(::getuid());
  return entry && entry->pw_name ? entry->pw_name : "";
}
