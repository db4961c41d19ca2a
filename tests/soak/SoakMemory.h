#pragma once

#include <cstddef>

// Bytes the program has allocated and not yet freed (the sanitizer's own
// count under AddressSanitizer, the C library's otherwise).
std::size_t HeapInUse();
// The process's resident set, from /proc/self/status; 0 when unknown.
std::size_t ResidentBytes();
