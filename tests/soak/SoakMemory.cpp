#include "SoakMemory.h"

#include <fstream>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define SOAK_WITH_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SOAK_WITH_ASAN 1
#endif
#endif

#ifdef SOAK_WITH_ASAN
// The sanitizer runtime's own count (declared here: not every compiler ships
// the header).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
std::size_t HeapInUse() { return __sanitizer_get_current_allocated_bytes(); }
#else
#include <malloc.h>
// Large blocks the C library maps on their own are in use too.
std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}
#endif

std::size_t ResidentBytes() {
  std::ifstream status("/proc/self/status");
  for (std::string word; status >> word;) {
    if (word == "VmRSS:") {
      std::size_t kib = 0;
      status >> kib;
      return kib * 1024;
    }
  }
  return 0;
}
