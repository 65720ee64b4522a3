// Seat 1's view on the wire (its round trip is messages_test.cpp's, what it may see
// seat_view_test.cpp's). The steps of a move
// tell the guest which card the host laid but never from which slot, and show the host's
// draw as a back. Join codes and the lockout of wrong codes close the file.
#include "game/deal.h"
#include "net/join_code.h"
#include "net/lockout.h"
#include "net/messages.h"
#include "net/shown_steps.h"
#include "support/hex.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

#include <set>

using namespace tarmigo;
using namespace tarmigo::net;
using tarmigo::testing::RulePosition;

namespace {

std::vector<std::uint8_t> wireOf(const Game& g) {
    return encode(ViewMessage::of(g));
}

// The view of the worked exchange in docs/network-protocol.md.
TEST(NetView, TheWorkedExchangesViewIsSpeltOutByteByByte) {
    RulePosition pos;
    pos.set("go miles=100 hand=ijfkpux sel=2 | stop miles=75 hand=ffkghij | turn=1 deck=60");
    EXPECT_EQ(tarmigo::testing::hexOf(wireOf(pos.g)),
              "40000000050e01020164000000000000000000010001000000010"
              "04b0000000000000000000600000101000000"
              "2979bc02076666"
              "6b6768696a0000040000000000000000");
}

TEST(NetView, AMalformedViewIsRefusedWithItsReason) {
    struct Row {
        bool handShown;
        std::size_t at; // in the body, after the length
        std::uint8_t value;
        const char* reason;
    };
    const Row rows[] = {
        {true, 2, 0, "the seat 0 is out of range 1..1"},
        {true, 13, 16, "the safeties 16 is out of range 0..15"},
        {true, 41, 102, "the count of cards left 102 is out of range 0..101"},
        {true, 42, 0, "the discard top 0 is out of range 102..121"},
        {true, 45, 3, "the hand's card count 3 is neither 0 nor 7"},
        {true, 46, 101, "the hand card 101 is not a card"},
        {true, 46, 122, "the hand card 122 is out of range 0..121"},
        {true, 55, 128, "the playable cards 128 is out of range 0..127"},
        {true, 63, 64, "the view flags 64 is out of range 0..63"},
        {false, 45, 7, "the message ends inside its status id"},
        {false, 46, 1, "the selected slot 1 is out of range 0..0"},
        {false, 48, 1, "the playable cards 1 is out of range 0..0"},
    };
    for (const Row& row : rows) {
        RulePosition pos;
        pos.set(row.handShown ? "hand=ijfkpux | hand=ffkghij" : "| | handover");
        std::vector<std::uint8_t> frame = wireOf(pos.g);
        ASSERT_TRUE(decodeFrame(frame).ok());
        frame[LengthBytes + row.at] = row.value;
        EXPECT_EQ(decodeFrame(frame).error, row.reason) << row.at;
    }
}

struct StepPosition : tarmigo::testing::PositionBuilder<StepPosition> {
    ShownSteps steps;
    StepPosition() : PositionBuilder(2) { g.events = &steps; }
};

TEST(NetSteps, TheGuestSeesTheHostsCardLaidButNotItsSlotAndTheHostsDrawAsABack) {
    struct Row {
        const char* position;
        int slot;
        std::vector<ShownStep> expected;
    };
    using K = ShownStep::Kind;
    const auto laid = [](int player, int slot, Card card, int target, int depth) {
        return ShownStep{K::Laid, player, slot, card, target, depth, 0};
    };
    const auto step = [](K kind, int value) { return ShownStep{kind, 0, 0, 0, 0, 0, value}; };
    const auto sound = [&](Sound s) { return step(K::Sound, int(s)); };
    const ShownStep hUndo = step(K::Undo, 0), gUndo = step(K::Undo, 1);
    const ShownStep miles = sound(Sound::Miles), ask = step(K::Ask, text::ExtendRace);
    // A distance's undo snapshot is taken before the card leaves the hand.
    const Row rows[] = {
        {"| stop hand=ffk | turn=1", 3, {laid(1, 3, Go, 11, 0), gUndo, sound(Sound::Remedy)}},
        {"| go miles=600 hand=i | turn=1", 1, {gUndo, laid(1, 1, Distance100, 15, 6), miles, ask}},
        {"| go miles=900 hand=ffffffi | turn=1 race=1000",
         7,
         {gUndo, laid(1, 7, Distance100, 15, 9), miles, step(K::Scores, 1)}},
        {"go miles=600 hand=i", 1, {hUndo, laid(0, 0, Distance100, 14, 6), miles}},
    };
    for (const Row& row : rows) {
        StepPosition pos;
        pos.set(row.position).select(row.slot);
        dispatchMove(pos.g, autoTarget(pos.g, pos.own().slot(row.slot)));
        EXPECT_EQ(pos.steps.take(), std::vector<Steps>{Steps{row.expected}}) << row.position;
    }
    for (int player : {0, 1}) {
        StepPosition pos;
        pos.set(player == 0 ? "draw=4 | draw=5" : "draw=4 | draw=5 | turn=1");
        drawCard(pos.g, DrawSlide::Shown);
        const Steps drawn{{{K::Drawn, player, player * 5}}};
        EXPECT_EQ(pos.steps.take(), std::vector<Steps>{drawn}) << player;
    }
}

TEST(NetSteps, AMoveOfManyStepsGoesInMessagesOfAtMost64) {
    tarmigo::testing::TestHost host;
    Game g(host);
    ShownSteps steps;
    for (int i = 0; i < MaxSteps + 6; ++i) steps.sound(g, Sound(i % 4));
    const std::vector<Steps> messages = steps.take();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].steps.size(), std::size_t(MaxSteps));
    EXPECT_EQ(messages[1].steps.size(), 6u);
    EXPECT_EQ(messages[1].steps.back().value, (MaxSteps + 5) % 4);
    EXPECT_TRUE(steps.take().empty());
}

TEST(NetJoinCode, ACodeIsSixCharactersOfTheAlphabetAndIsReadAsTyped) {
    std::set<std::string> codes;
    for (std::uint64_t r : {0ull, 1ull, 25ull, 244140624ull, 244140625ull, ~0ull, 123456789ull}) {
        codes.insert(makeJoinCode(r));
        EXPECT_EQ(readJoinCode(makeJoinCode(r)), makeJoinCode(r));
    }
    EXPECT_EQ(codes.size(), 6u); // 0 and 25^6 give the same code
    EXPECT_EQ(makeJoinCode(1), "CAAAAA");
    constexpr std::pair<const char*, const char*> Rows[] = {
        {"acd-efg", "ACDEFG"}, {" 34 67 9A ", "34679A"}, {"ACDEF", nullptr},
        {"ACDEFGH", nullptr},  {"ACDEF0", nullptr},      {"ACDEFI", nullptr},
    };
    for (auto [typed, code] : Rows)
        EXPECT_EQ(readJoinCode(typed), code ? std::optional<std::string>(code) : std::nullopt)
            << typed;
    EXPECT_TRUE(sameCode("ACDEFG", "ACDEFG"));
    EXPECT_FALSE(sameCode("ACDEFG", "ACDEFH"));
    EXPECT_FALSE(sameCode("ACDEFG", "ACDEF"));
}

TEST(NetLockout, FiveWrongCodesLockAnAddressOutForAMinute) {
    std::int64_t now = 1000;
    Lockout lockout([&] { return now; });
    const std::string a = "127.0.0.1", b = "::1";
    const auto wrong = [&](const std::string& who, int n) {
        for (int i = 0; i < n; ++i) lockout.wrongCode(who);
    };
    wrong(a, Lockout::MaxWrongCodes - 1);
    EXPECT_FALSE(lockout.refuses(a));
    wrong(a, 1);
    EXPECT_TRUE(lockout.refuses(a));
    EXPECT_FALSE(lockout.refuses(b));
    now += Lockout::LockMs - 1;
    EXPECT_TRUE(lockout.refuses(a));
    now += 1;
    EXPECT_FALSE(lockout.refuses(a));
    wrong(a, 1); // the count starts again after the lock
    EXPECT_FALSE(lockout.refuses(a));

    // A right code clears the count; a quiet minute forgets it.
    wrong(b, Lockout::MaxWrongCodes - 1);
    lockout.rightCode(b);
    wrong(b, Lockout::MaxWrongCodes - 1);
    EXPECT_FALSE(lockout.refuses(b));
    now += Lockout::LockMs;
    wrong(b, 1);
    EXPECT_FALSE(lockout.refuses(b));
}

TEST(NetLockout, AFloodOfAddressesKeepsTheBookBounded) {
    std::int64_t now = 0;
    Lockout lockout([&] { return now; });
    for (int i = 0; i < 5 * Lockout::MaxWrongCodes; ++i) lockout.wrongCode("first");
    for (int i = 0; i < 5000; ++i, ++now) lockout.wrongCode("10.0.0." + std::to_string(i));
    EXPECT_LE(lockout.addresses(), Lockout::MaxAddresses);
    now += Lockout::LockMs;
    EXPECT_FALSE(lockout.refuses("x"));
    EXPECT_EQ(lockout.addresses(), 0u);
}

} // namespace
