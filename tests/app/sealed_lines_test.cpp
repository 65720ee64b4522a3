// The programs' line keys: the exchange agrees only on the same code and the same
// session, and the sealed line opens each side's messages once, in order, unchanged.
#include "app/sealed_lines.h"
#include "seal/sealed_line.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarmigo;
using net::LineBytes;
using net::LineSide;

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

// The faults themselves are the seal layer's tests; here each direction's keys meet.
TEST(SealedLines, EachSidesMessagesOpenOnTheOtherOnceInOrder) {
    Pair p = exchange("ABCDEF", "ABCDEF");
    ASSERT_TRUE(p.host->acceptHeader(p.guest->header()));
    ASSERT_TRUE(p.guest->acceptHeader(p.host->header()));
    std::string reason;
    const LineBytes first = p.host->seal(bytes("first"));
    EXPECT_EQ(first.size(), 5 + seal::SealOverhead);
    EXPECT_EQ(p.guest->open(first, reason), bytes("first"));
    EXPECT_EQ(p.host->open(p.guest->seal(bytes("back")), reason), bytes("back"));
    // A side's own message played back to it, and one replayed, do not open.
    EXPECT_FALSE(p.host->open(p.host->seal(bytes("echo")), reason));
    EXPECT_FALSE(p.guest->open(first, reason));
    EXPECT_NE(reason, "");
}
