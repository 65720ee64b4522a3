#include "qt/network/local_addresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <unistd.h>

#include <algorithm>
#include <array>

namespace tarmigo {
namespace {

bool linkLocal6(const in6_addr& a) {
    return a.s6_addr[0] == 0xfe && (a.s6_addr[1] & 0xc0) == 0x80;
}

bool linkLocal4(const in_addr& a) {
    const std::uint32_t host = ntohl(a.s_addr);
    return (host >> 16) == 0xa9fe; // 169.254.x.x
}

} // namespace

std::vector<std::string> localAddresses() {
    std::vector<std::string> v4;
    std::vector<std::string> v6;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) == 0) {
        for (const ifaddrs* i = list; i; i = i->ifa_next) {
            if (!i->ifa_addr || !(i->ifa_flags & IFF_UP) || (i->ifa_flags & IFF_LOOPBACK)) continue;
            std::array<char, INET6_ADDRSTRLEN> text{};
            if (i->ifa_addr->sa_family == AF_INET) {
                const auto* a = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
                if (linkLocal4(a->sin_addr) ||
                    !::inet_ntop(AF_INET, &a->sin_addr, text.data(), text.size()))
                    continue;
                v4.emplace_back(text.data());
            } else if (i->ifa_addr->sa_family == AF_INET6) {
                const auto* a = reinterpret_cast<const sockaddr_in6*>(i->ifa_addr);
                if (linkLocal6(a->sin6_addr) ||
                    !::inet_ntop(AF_INET6, &a->sin6_addr, text.data(), text.size()))
                    continue;
                v6.emplace_back(text.data());
            }
        }
        ::freeifaddrs(list);
    }
    std::vector<std::string> out;
    std::array<char, 256> name{};
    if (::gethostname(name.data(), name.size() - 1) == 0 && name[0] != '\0')
        out.emplace_back(name.data());
    for (auto* group : {&v4, &v6})
        for (const std::string& a : *group)
            if (std::find(out.begin(), out.end(), a) == out.end()) out.push_back(a);
    return out;
}

} // namespace tarmigo
