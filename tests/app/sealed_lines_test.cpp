// The programs' line keys: the exchange agrees only on the same code and the same
// session, and the sealed line opens each side's messages once, in order, unchanged.
#include "app/sealed_lines.h"
#include "net/line.h"
#include "seal/sealed_line.h"
#include "support/hex.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarmigo;
using net::LineBytes;
using net::LineSide;
using tarmigo::testing::hexOf;

namespace {

LineBytes bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

struct Pair {
    std::unique_ptr<net::LineKeys> guest, host;
    bool sharesTaken = false;
};

Pair exchange(const std::string& guestCode, const std::string& hostCode,
              std::string_view guestSid = "sid", std::string_view hostSid = "sid") {
    const net::LineFactory lines = app::sealedLines();
    Pair p{lines(LineSide::Guest, guestCode, bytes(guestSid), bytes("ci")),
           lines(LineSide::Host, hostCode, bytes(hostSid), bytes("ci"))};
    const LineBytes ya = p.guest->share();
    p.sharesTaken = p.host->takeShare(ya) && p.guest->takeShare(p.host->share());
    return p;
}

} // namespace

TEST(SealedLines, TagsAgreeOnlyOnTheSameCodeAndSession) {
    struct Case {
        const char* guestCode;
        const char* hostCode;
        const char* guestSid;
        bool agree;
    } const cases[] = {
        {"ABCDEF", "ABCDEF", "sid", true},
        {"ABCDEG", "ABCDEF", "sid", false},
        {"ABCDEF", "ABCDEF", "another sid", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.guestCode) + " " + c.guestSid);
        const Pair p = exchange(c.guestCode, c.hostCode, c.guestSid);
        ASSERT_TRUE(p.sharesTaken);
        EXPECT_EQ(p.host->confirms(p.guest->ourTag()), c.agree);
        EXPECT_EQ(p.guest->confirms(p.host->ourTag()), c.agree);
        // A side's own tag sent back is not the other side's.
        EXPECT_FALSE(p.host->confirms(p.host->ourTag()));
    }
}

TEST(SealedLines, NoShareIsRefused) {
    // Nothing, the identity, a short one, a non-canonical encoding.
    const net::LineFactory lines = app::sealedLines();
    for (const LineBytes& share :
         {LineBytes{}, LineBytes(32, 0), LineBytes(31, 1), LineBytes(32, 0xff)})
        EXPECT_FALSE(lines(LineSide::Host, "ABCDEF", bytes("sid"), bytes("ci"))->takeShare(share));
    // Its own share sent back; a second share after a first.
    const auto host = lines(LineSide::Host, "ABCDEF", bytes("sid"), bytes("ci"));
    const auto guest = lines(LineSide::Guest, "ABCDEF", bytes("sid"), bytes("ci"));
    EXPECT_FALSE(host->takeShare(host->share()));
    std::string reason;
    EXPECT_FALSE(host->open(bytes("anything at all"), reason));
    EXPECT_EQ(reason, "a sealed message before the key exchange");
    EXPECT_TRUE(guest->takeShare(host->share()));
    EXPECT_FALSE(guest->takeShare(host->share()));
}

// The worked example of docs/network-protocol.md: the exchange on K7QX3D with fixed
// scalars and session id, byte by byte (each direction's faults: tests/seal, and a man
// in the middle in tests/tools).
TEST(SealedLines, TheWorkedExchangeIsSpeltOutByteByByte) {
    seal::Scalar ya{}, yb{};
    for (std::size_t i = 0; i + 1 < ya.size(); ++i) {
        ya[i] = std::uint8_t(0x01 + i);
        yb[i] = std::uint8_t(0x21 + i);
    }
    std::array<std::uint8_t, net::SessionIdLength> sid{};
    for (std::size_t i = 0; i < sid.size(); ++i) sid[i] = std::uint8_t(i);
    const LineBytes ci = bytes(net::LineChannel);
    const auto guest = app::sealedLines(ya)(LineSide::Guest, "K7QX3D", sid, ci);
    const auto host = app::sealedLines(yb)(LineSide::Host, "K7QX3D", sid, ci);
    ASSERT_TRUE(host->takeShare(guest->share()) && guest->takeShare(host->share()));
    const std::pair<LineBytes, const char*> rows[] = {
        {net::encode(*net::shareOf(*guest, sid, false)),
         "330000000c0300000102030405060708090a0b0c0d0e0f02f6ccf786fc399060"
         "c61ce22f11bec567030e840a731a0e1a4f0002a8c7ff0f"},
        {net::encode(*net::shareOf(*host, sid, false)),
         "330000000c0300000102030405060708090a0b0c0d0e0f0a63e7bbe54031d561"
         "24400290bfc0879d1629ef445b12fe0c2897485da65b12"},
        {guest->ourTag(), "332b38999c2d942fcd546d4231033e1046c9c100d8f9837dcd3afa1a68d8348f"
                          "ab3901e3a90f1795a94e060b392528868378bf76107f2b7ba9593b8b1fbb4106"},
        {host->ourTag(), "0bdabe46c5ff88d06ee81a188460dbdf1451bf00fbadb0ee47aced734cd967e0"
                         "d9afef16295e8fcae693e48433b2a3d1298e6e52f59e130da61a5490c604396e"},
    };
    for (const auto& [got, hex] : rows) EXPECT_EQ(hexOf(got), hex);
    EXPECT_TRUE(host->confirms(guest->ourTag()) && guest->confirms(host->ourTag()));
}
