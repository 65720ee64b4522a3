// The programs' line keys: what they refuse, and the worked exchange of the protocol
// document (agreement and each direction's faults: tests/seal; a man in the middle:
// tests/tools/peer_tamper.py).
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

} // namespace

// Beyond the shares the seal layer refuses (tests/seal): a side's own share sent back, a
// second share, a message before the exchange.
TEST(SealedLines, NoShareIsRefused) {
    const net::LineFactory lines = app::sealedLines();
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
// scalars and session id, byte by byte.
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
