// The address a guest types: what is read from it, and the mistakes refused with their reason.
#include "net/address.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarmigo;

namespace {

using K = PeerAddress::Kind;
using E = AddressError;

} // namespace

TEST(PeerAddress, ReadsWhatIsTypedAndRefusesMistakesWithTheirReason) {
    struct Row {
        std::string typed;
        PeerAddress read;
    };
    const std::string label63(63, 'a');
    std::string long254 = label63 + "." + label63 + "." + label63 + "." + label63;
    long254.resize(254, 'a');
    const std::string long253 = long254.substr(0, 253);
    const Row rows[] = {
        {"myhost", {K::Name, "myhost", StandardPort}},
        {"  MyHost.Example.  ", {K::Name, "myhost.example.", StandardPort}},
        {"my-host:5000", {K::Name, "my-host", 5000}},
        {label63 + ".example", {K::Name, label63 + ".example", StandardPort}},
        {long253, {K::Name, long253, StandardPort}},
        {"127.0.0.1", {K::IPv4, "127.0.0.1", StandardPort}},
        {" 192.0.2.10:5000 ", {K::IPv4, "192.0.2.10", 5000}},
        {"255.255.255.255:65535", {K::IPv4, "255.255.255.255", 65535}},
        {"0.0.0.0:1", {K::IPv4, "0.0.0.0", 1}},
        {"[::1]:47470", {K::IPv6, "::1", 47470}},
        {"[::1]", {K::IPv6, "::1", StandardPort}},
        {"::1", {K::IPv6, "::1", StandardPort}},
        {"::", {K::IPv6, "::", StandardPort}},
        {"FE80::1%eth0", {K::IPv6, "fe80::1%eth0", StandardPort}},
        {"[fe80::1%eth0]:65535", {K::IPv6, "fe80::1%eth0", 65535}},
        {"[2001:db8:0:0:0:0:0:1]:80", {K::IPv6, "2001:db8:0:0:0:0:0:1", 80}},
        {"1:2:3:4:5:6:7::", {K::IPv6, "1:2:3:4:5:6:7::", StandardPort}},
        {"::ffff:127.0.0.1", {K::IPv6, "::ffff:127.0.0.1", StandardPort}},
        {"[1:2:3:4:5:6:1.2.3.4]:9", {K::IPv6, "1:2:3:4:5:6:1.2.3.4", 9}},
    };
    // Each mistake and the ways of typing it.
    const std::pair<AddressError, std::vector<std::string>> refused[] = {
        {E::Empty, {"", "   ", ":5000"}},
        {E::BadPort,
         {"myhost:", "myhost:0", "myhost:65536", "myhost:123456", "myhost:-1", "myhost:+80",
          "myhost:80x", "myhost: 80", "[::1]:", "[::1]:99999"}},
        {E::BadIPv4, {"256.1.1.1", "1.2.3", "1.2.3.4.5", "1..3.4", "01.2.3.4", "1234"}},
        {E::BadIPv6,
         {"[::1", "[::1]5000", "[myhost]:80", "[]", "::1]", "1::2::3", ":1:2:3:4:5:6:7",
          "1:2:3:4:5:6:7:8:9", "1:2:3:4:5:6:7", "1:2:3:4:5:6:7:8::", "12345::1", "::g",
          "1:2:", "fe80::1%", "::1.2.3.256"}},
        {E::BadName,
         {"my host", "-myhost", "myhost-.example", "my..host", "my_host", "h\xc3\xb6st", "a.b/c",
          std::string(64, 'a') + ".example", long254}},
    };
    for (const Row& r : rows) {
        const AddressReading read = readPeerAddress(r.typed);
        EXPECT_EQ(read.address, r.read) << r.typed;
        if (!read.address) continue;
        // Its written form reads back as the same address.
        EXPECT_EQ(readPeerAddress(addressText(*read.address)).address, read.address) << r.typed;
    }
    for (const auto& [error, typings] : refused)
        for (const std::string& typed : typings) {
            const AddressReading read = readPeerAddress(typed);
            EXPECT_FALSE(read.address) << typed;
            EXPECT_EQ(read.error, error) << typed;
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
