// The address a guest types: host, port, IPv6 in brackets, and what is refused.
#include "net/address.h"

#include <gtest/gtest.h>

using tarmigo::net::HostAndPort;
using tarmigo::net::readHostAndPort;

TEST(JoinAddress, ReadsHostsAndPortsAndRefusesTheRest) {
    struct Row {
        const char* typed;
        std::optional<HostAndPort> read;
    };
    const Row rows[] = {
        {"192.0.2.10", HostAndPort{"192.0.2.10", 47470}},
        {" 192.0.2.10:5000 ", HostAndPort{"192.0.2.10", 5000}},
        {"game.example.org:1", HostAndPort{"game.example.org", 1}},
        {"::1", HostAndPort{"::1", 47470}},
        {"[::1]", HostAndPort{"::1", 47470}},
        {"[fe80::1%eth0]:65535", HostAndPort{"fe80::1%eth0", 65535}},
        {"host:0", std::nullopt},
        {"host:65536", std::nullopt},
        {"host:", std::nullopt},
        {"host:12a", std::nullopt},
        {"[::1]5000", std::nullopt},
        {"[::1", std::nullopt},
        {"", std::nullopt},
        {":5000", std::nullopt},
        {"two words", std::nullopt},
    };
    for (const Row& row : rows) EXPECT_EQ(readHostAndPort(row.typed, 47470), row.read) << row.typed;
}
