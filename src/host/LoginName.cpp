#include "host/LoginName.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

std::string LoginName() {
  if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_name && *user->pw_name) return user->pw_name;
  if (const char* name = std::getenv("USER"); name && *name) return name;
  return "player";
}
