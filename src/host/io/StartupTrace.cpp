#include "host/io/StartupTrace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

void NoteFirstPicture() {
  static bool noted = false;
  if (noted) return;
  noted = true;
  if (!std::getenv("VELMORANE_TRACE_STARTUP")) return;
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const long long us = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
  std::fprintf(stderr, "velmorane: first picture at %lld.%06lld\n", us / 1000000, us % 1000000);
}
