// The address a guest types: what is read from it, and the mistakes refused with their reason.
#include "net/address.h"

#include <gtest/gtest.h>

#include <variant>

using namespace tarmigo;

namespace {

using K = PeerAddress::Kind;
using E = AddressError;

} // namespace

TEST(PeerAddress, ReadsWhatIsTypedAndRefusesMistakesWithTheirReason) {
    struct Row {
        std::string typed;
        std::variant<PeerAddress, AddressError> read;
    };
    const std::string label63(63, 'a');
    std::string long254 = label63 + "." + label63 + "." + label63 + "." + label63;
    long254.resize(254, 'a');
    const std::string long253 = long254.substr(0, 253);
    const Row rows[] = {
        {"myhost", PeerAddress{K::Name, "myhost", StandardPort}},
        {"  MyHost.Example.  ", PeerAddress{K::Name, "myhost.example.", StandardPort}},
        {"my-host:5000", PeerAddress{K::Name, "my-host", 5000}},
        {label63 + ".example", PeerAddress{K::Name, label63 + ".example", StandardPort}},
        {long253, PeerAddress{K::Name, long253, StandardPort}},
        {"127.0.0.1", PeerAddress{K::IPv4, "127.0.0.1", StandardPort}},
        {" 192.0.2.10:5000 ", PeerAddress{K::IPv4, "192.0.2.10", 5000}},
        {"255.255.255.255:65535", PeerAddress{K::IPv4, "255.255.255.255", 65535}},
        {"0.0.0.0:1", PeerAddress{K::IPv4, "0.0.0.0", 1}},
        {"[::1]:47470", PeerAddress{K::IPv6, "::1", 47470}},
        {"[::1]", PeerAddress{K::IPv6, "::1", StandardPort}},
        {"::1", PeerAddress{K::IPv6, "::1", StandardPort}},
        {"::", PeerAddress{K::IPv6, "::", StandardPort}},
        {"FE80::1%eth0", PeerAddress{K::IPv6, "fe80::1%eth0", StandardPort}},
        {"[fe80::1%eth0]:65535", PeerAddress{K::IPv6, "fe80::1%eth0", 65535}},
        {"[2001:db8:0:0:0:0:0:1]:80", PeerAddress{K::IPv6, "2001:db8:0:0:0:0:0:1", 80}},
        {"1:2:3:4:5:6:7::", PeerAddress{K::IPv6, "1:2:3:4:5:6:7::", StandardPort}},
        {"::ffff:127.0.0.1", PeerAddress{K::IPv6, "::ffff:127.0.0.1", StandardPort}},
        {"[1:2:3:4:5:6:1.2.3.4]:9", PeerAddress{K::IPv6, "1:2:3:4:5:6:1.2.3.4", 9}},
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
        {std::string(64, 'a') + ".example", E::BadName},
        {long254, E::BadName},
    };
    for (const Row& r : rows) {
        const AddressReading read = readPeerAddress(r.typed);
        if (const auto* error = std::get_if<AddressError>(&r.read)) {
            EXPECT_FALSE(read.address) << r.typed;
            EXPECT_EQ(read.error, *error) << r.typed;
            continue;
        }
        EXPECT_EQ(read.address, std::get<PeerAddress>(r.read)) << r.typed;
        if (!read.address) continue;
        // Its written form reads back as the same address.
        EXPECT_EQ(readPeerAddress(addressText(*read.address)).address, read.address) << r.typed;
    }
}

TEST(PeerAddress, PortAlone) {
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"47470", 47470},        {" 1 ", 1},           {"65535", 65535},
        {"0", std::nullopt},     {"", std::nullopt},   {"65536", std::nullopt},
        {"4747a", std::nullopt}, {"-5", std::nullopt},
    };
    for (const auto& [typed, port] : rows) EXPECT_EQ(readPort(typed), port) << typed;
}
