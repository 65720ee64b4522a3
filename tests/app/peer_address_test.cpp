// The address a guest types: what is read from it, and the mistakes refused.
#include "app/peer_address.h"

#include <gtest/gtest.h>

using namespace tarmigo;

namespace {

using K = PeerAddress::Kind;
using E = AddressError;

} // namespace

TEST(PeerAddress, ReadsWhatIsTyped) {
    struct Row {
        const char* typed;
        K kind;
        const char* host;
        int port;
    };
    const Row rows[] = {
        {"myhost", K::Name, "myhost", StandardPort},
        {"  MyHost.Example.  ", K::Name, "myhost.example.", StandardPort},
        {"my-host:5000", K::Name, "my-host", 5000},
        {"127.0.0.1", K::IPv4, "127.0.0.1", StandardPort},
        {"127.0.0.1:5000", K::IPv4, "127.0.0.1", 5000},
        {"255.255.255.255:65535", K::IPv4, "255.255.255.255", 65535},
        {"0.0.0.0:1", K::IPv4, "0.0.0.0", 1},
        {"[::1]:47470", K::IPv6, "::1", 47470},
        {"[::1]", K::IPv6, "::1", StandardPort},
        {"::1", K::IPv6, "::1", StandardPort},
        {"::", K::IPv6, "::", StandardPort},
        {"FE80::1%eth0", K::IPv6, "fe80::1%eth0", StandardPort},
        {"[2001:db8:0:0:0:0:0:1]:80", K::IPv6, "2001:db8:0:0:0:0:0:1", 80},
        {"1:2:3:4:5:6:7::", K::IPv6, "1:2:3:4:5:6:7::", StandardPort},
        {"::ffff:127.0.0.1", K::IPv6, "::ffff:127.0.0.1", StandardPort},
        {"[1:2:3:4:5:6:1.2.3.4]:9", K::IPv6, "1:2:3:4:5:6:1.2.3.4", 9},
    };
    for (const Row& r : rows) {
        const AddressReading read = readPeerAddress(r.typed);
        ASSERT_TRUE(read.address) << r.typed;
        EXPECT_EQ(read.address->kind, r.kind) << r.typed;
        EXPECT_EQ(read.address->host, r.host) << r.typed;
        EXPECT_EQ(read.address->port, r.port) << r.typed;
        // Its written form reads back as the same address.
        EXPECT_EQ(readPeerAddress(addressText(*read.address)).address, read.address) << r.typed;
    }
}

TEST(PeerAddress, RefusesMistakesWithTheirReason) {
    struct Row {
        const char* typed;
        E error;
    };
    const Row rows[] = {
        {"", E::Empty},
        {"   ", E::Empty},
        {":5000", E::Empty},
        {"myhost:", E::BadPort},
        {"myhost:0", E::BadPort},
        {"myhost:65536", E::BadPort},
        {"myhost:123456", E::BadPort},
        {"myhost:-1", E::BadPort},
        {"myhost:+80", E::BadPort},
        {"myhost:80x", E::BadPort},
        {"myhost: 80", E::BadPort},
        {"[::1]:", E::BadPort},
        {"[::1]:99999", E::BadPort},
        {"256.1.1.1", E::BadIPv4},
        {"1.2.3", E::BadIPv4},
        {"1.2.3.4.5", E::BadIPv4},
        {"1..3.4", E::BadIPv4},
        {"01.2.3.4", E::BadIPv4},
        {"1234", E::BadIPv4},
        {"[::1", E::BadIPv6},
        {"[::1]5000", E::BadIPv6},
        {"[myhost]:80", E::BadIPv6},
        {"[]", E::BadIPv6},
        {"::1]", E::BadIPv6},
        {"1::2::3", E::BadIPv6},
        {":1:2:3:4:5:6:7", E::BadIPv6},
        {"1:2:3:4:5:6:7:8:9", E::BadIPv6},
        {"1:2:3:4:5:6:7", E::BadIPv6},
        {"1:2:3:4:5:6:7:8::", E::BadIPv6},
        {"12345::1", E::BadIPv6},
        {"::g", E::BadIPv6},
        {"1:2:", E::BadIPv6},
        {"fe80::1%", E::BadIPv6},
        {"::1.2.3.256", E::BadIPv6},
        {"my host", E::BadName},
        {"-myhost", E::BadName},
        {"myhost-.example", E::BadName},
        {"my..host", E::BadName},
        {"my_host", E::BadName},
        {"h\xc3\xb6st", E::BadName},
        {"a.b/c", E::BadName},
    };
    for (const Row& r : rows) {
        const AddressReading read = readPeerAddress(r.typed);
        EXPECT_FALSE(read.address) << r.typed;
        EXPECT_EQ(read.error, r.error) << r.typed;
    }
}

TEST(PeerAddress, NamesHaveLimits) {
    const std::string label63(63, 'a');
    const std::string label64(64, 'a');
    EXPECT_TRUE(readPeerAddress(label63 + ".example").address);
    EXPECT_EQ(readPeerAddress(label64 + ".example").error, E::BadName);
    std::string long254 = label63 + "." + label63 + "." + label63 + "." + label63;
    long254.resize(254, 'a');
    EXPECT_EQ(readPeerAddress(long254).error, E::BadName);
}

TEST(PeerAddress, PortAlone) {
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"47470", 47470},        {" 1 ", 1},           {"65535", 65535},
        {"0", std::nullopt},     {"", std::nullopt},   {"65536", std::nullopt},
        {"4747a", std::nullopt}, {"-5", std::nullopt},
    };
    for (const auto& [typed, port] : rows) EXPECT_EQ(readPort(typed), port) << typed;
}
