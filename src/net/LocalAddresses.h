#pragma once

#include <string>
#include <vector>

// This machine's IPv4 addresses, as the other player would type them: those
// other machines can reach first, the loopback ones (127.0.0.1) last.
std::vector<std::string> LocalAddresses();
