#include "net/LocalAddresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <algorithm>

std::vector<std::string> LocalAddresses() {
  std::vector<std::string> outward;
  std::vector<std::string> loopback;
  ifaddrs* interfaces = nullptr;
  if (::getifaddrs(&interfaces) != 0) return {};
  for (const ifaddrs* at = interfaces; at != nullptr; at = at->ifa_next) {
    if (at->ifa_addr == nullptr || at->ifa_addr->sa_family != AF_INET || (at->ifa_flags & IFF_UP) == 0) continue;
    char text[INET_ADDRSTRLEN] = {};
    const auto* address = reinterpret_cast<const sockaddr_in*>(at->ifa_addr);
    if (::inet_ntop(AF_INET, &address->sin_addr, text, sizeof text) == nullptr) continue;
    auto& into = (at->ifa_flags & IFF_LOOPBACK) != 0 ? loopback : outward;
    if (std::find(into.begin(), into.end(), text) == into.end()) into.emplace_back(text);
  }
  ::freeifaddrs(interfaces);
  outward.insert(outward.end(), loopback.begin(), loopback.end());
  return outward;
}
