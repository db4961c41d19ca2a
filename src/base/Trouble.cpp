#include "base/Trouble.h"

std::string AtLine(const std::string& name, int line, const std::string& what) {
  return name + ":" + std::to_string(line) + ": " + what;
}
