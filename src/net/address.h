#pragma once
// The address a guest types to join: a host name or an IPv4 or IPv6 address, with an
// optional port.
#include <optional>
#include <string>
#include <string_view>

namespace tarmigo::net {

struct HostAndPort {
    std::string host;
    int port = 0;
    bool operator==(const HostAndPort&) const = default;
};

// "host", "host:port", "1.2.3.4:port", "::1", "[::1]" or "[::1]:port", spaces around
// dropped; the port is defaultPort when none is given. Nothing when the text is not of
// that form or the port is not 1..65535.
std::optional<HostAndPort> readHostAndPort(std::string_view text, int defaultPort);

} // namespace tarmigo::net
