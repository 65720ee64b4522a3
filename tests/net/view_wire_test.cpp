// Seat 1's view on the wire: it comes back whole from games in play, what seat 1 may
// not see leaves its bytes as they are, and what it may see changes them. The steps of
// a move tell the guest which card the host laid but never from which slot, and show
// the host's draw as a back. Join codes and the lockout of wrong codes close the file.
#include "game/deal.h"
#include "net/join_code.h"
#include "net/lockout.h"
#include "net/messages.h"
#include "net/shown_steps.h"
#include "support/hex.h"
#include "support/program.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>

using namespace tarmigo;
using namespace tarmigo::net;
using tarmigo::testing::Program;

namespace {

using Change = std::function<void(Game&, std::mt19937&)>;

Card otherCard(Card c, std::mt19937& rng) {
    const Card next = Card(Distance25 + int(rng() % 19));
    return next == c ? Card(next == Distance25 ? EndOfLimit : Distance25) : next;
}

// What seat 1 may not see.
const std::pair<const char*, Change> Hidden[] = {
    {"the host's hand",
     [](Game& g, std::mt19937& rng) {
         for (Card& c : g.players[0].hand) c = otherCard(c, rng);
         g.players[0].setSelectedSlot(int(rng() % 8));
         g.players[0].setMarkedSlot(int(rng() % 8));
         g.players[0].setDrawSlot(int(rng() % 8));
     }},
    {"the draw pile's order",
     [](Game& g, std::mt19937& rng) {
         const auto from = g.deck.begin() + std::min<int>(g.round.deckPos, DeckSize);
         std::shuffle(from, g.deck.end(), rng);
         if (from != g.deck.end()) *from = otherCard(*from, rng);
     }},
    {"the undo snapshot",
     [](Game& g, std::mt19937& rng) {
         g.undo.players[0].hand[0] = otherCard(g.undo.players[0].hand[0], rng);
         g.undo.players[1].miles = std::uint16_t(rng() % 1000);
         g.undo.round.deckPos = std::uint8_t(rng() % 100);
         g.undo.currentPlayer = std::uint8_t(1 - g.undo.currentPlayer);
     }},
    {"the seen counts",
     [](Game& g, std::mt19937& rng) {
         for (auto& n : g.round.seenCount) n = std::uint8_t(rng() % 10);
     }},
};

// What seat 1 sees; its own hand only outside a hand-over.
const std::pair<const char*, Change> Visible[] = {
    {"the host's miles", [](Game& g, std::mt19937&) { g.players[0].miles += 25; }},
    {"the guest's hand score", [](Game& g, std::mt19937&) { g.players[1].handScore += 5; }},
    {"the host's safeties",
     [](Game& g, std::mt19937&) { g.players[0].setSafeties(g.players[0].safeties() ^ 1); }},
    {"the guest's distance", [](Game& g, std::mt19937&) { g.players[1].distancePlayed[4] ^= 1; }},
    {"the cards left", [](Game& g, std::mt19937&) { g.round.deckPos ^= 1; }},
    {"the discard top",
     [](Game& g, std::mt19937& rng) { g.round.discardTop = otherCard(g.round.discardTop, rng); }},
    {"the race", [](Game& g, std::mt19937&) { g.round.raceLength ^= 0x100; }},
    {"the status number", [](Game& g, std::mt19937&) { g.status.number += 1; }},
    {"whose turn", [](Game& g, std::mt19937&) { g.currentPlayer ^= 1; }},
    {"the game being over",
     [](Game& g, std::mt19937&) { g.round.set(flag::gameOver, !g.has(flag::gameOver)); }},
};

std::vector<std::uint8_t> wireOf(const Game& g) {
    return encode(ViewMessage::of(g));
}

TEST(NetView, WhatSeatOneMayNotSeeLeavesTheViewsBytesAsTheyAreAndTheViewComesBackWhole) {
    std::mt19937 rng(47470);
    const auto pick = [&](int n) { return int(rng() % std::uint32_t(n)); };
    Program app;
    app.host.yesNoAnswers.assign(100000, true);
    app.start();
    app.command(command::TwoPlayerGame);
    std::set<std::vector<std::uint8_t>> seen;
    for (int position = 0; position < 300; ++position) {
        for (int n = 1 + pick(6); n > 0; --n) {
            app.host.ticks = std::uint32_t(rng());
            const int roll = pick(100);
            if (app.g().has(flag::handOver) || roll < 2)
                app.command(command::TwoPlayerGame);
            else if (roll < 60)
                app.tapSlot(1 + pick(HandSize));
            else if (roll < 80)
                app.tapDeck();
            else
                app.tap(pick(240), app.g().layout.statusY + 5);
        }
        const Game& g = app.g();
        const std::vector<std::uint8_t> bytes = wireOf(g);
        seen.insert(bytes);
        const Decoded back = decodeFrame(bytes);
        ASSERT_TRUE(back.ok()) << back.error << " at position " << position;
        ASSERT_EQ(std::get<ViewMessage>(back.message).view(), viewFor(g, 1));

        Game all(g);
        for (const auto& [what, change] : Hidden) {
            Game other(g);
            change(other, rng);
            change(all, rng);
            ASSERT_EQ(wireOf(other), bytes) << what << " at position " << position;
        }
        ASSERT_EQ(wireOf(all), bytes) << "all at once at position " << position;
        for (const auto& [what, change] : Visible) {
            Game other(g);
            change(other, rng);
            EXPECT_NE(wireOf(other), bytes) << what << " at position " << position;
        }
        Game ownHand(g);
        ownHand.players[1].hand[std::size_t(pick(HandSize))] ^= 1;
        EXPECT_EQ(wireOf(ownHand) == bytes, g.has(flag::turnHandover)) << position;
    }
    EXPECT_GT(seen.size(), 100u); // the run went through many positions
}

// The view of the worked exchange in docs/network-protocol.md.
TEST(NetView, TheWorkedExchangesViewIsSpeltOutByteByByte) {
    tarmigo::testing::RulePosition pos;
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
        {true, 3, 1, "the player count 1 is out of range 2..2"},
        {true, 4, 2, "the current player 2 is out of range 0..1"},
        {true, 13, 16, "the safeties 16 is out of range 0..15"},
        {true, 15, 10, "the battle pile 10 is out of range 0..9"},
        {true, 16, 3, "the speed pile 3 is out of range 0..2"},
        {true, 17, 2, "the moving flag 2 is out of range 0..1"},
        {true, 41, 102, "the count of cards left 102 is out of range 0..101"},
        {true, 42, 0, "the discard top 0 is out of range 102..121"},
        {true, 42, 122, "the discard top 122 is out of range 102..121"},
        {true, 45, 3, "the hand's card count 3 is neither 0 nor 7"},
        {true, 45, 8, "the hand's card count 8 is out of range 0..7"},
        {true, 46, 101, "the hand card 101 is not a card"},
        {true, 46, 122, "the hand card 122 is out of range 0..121"},
        {true, 53, 8, "the selected slot 8 is out of range 0..7"},
        {true, 55, 128, "the playable cards 128 is out of range 0..127"},
        {true, 58, 2, "the status number flag 2 is out of range 0..1"},
        {true, 63, 64, "the view flags 64 is out of range 0..63"},
        {false, 45, 7, "the message ends inside its status id"},
        {false, 46, 1, "the selected slot 1 is out of range 0..0"},
        {false, 47, 1, "the marked slot 1 is out of range 0..0"},
        {false, 48, 1, "the playable cards 1 is out of range 0..0"},
    };
    for (const Row& row : rows) {
        tarmigo::testing::RulePosition pos;
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

    std::vector<ShownStep> take() {
        std::vector<ShownStep> all;
        for (const Steps& s : steps.take()) {
            const Decoded d = decodeFrame(encode(s));
            EXPECT_TRUE(d.ok()) << d.error;
            all.insert(all.end(), s.steps.begin(), s.steps.end());
        }
        return all;
    }
};

TEST(NetSteps, TheGuestSeesTheHostsCardLaidButNotItsSlotAndTheHostsDrawAsABack) {
    using K = ShownStep::Kind;
    struct Row {
        const char* position;
        int slot;
        int target; // 0: where the card's kind goes
        std::vector<ShownStep> expected;
    };
    const ShownStep hostsUndo{K::Undo}, guestsUndo{K::Undo, 0, 0, 0, 0, 0, 1};
    const auto sound = [](Sound s) { return ShownStep{K::Sound, 0, 0, 0, 0, 0, int(s)}; };
    const ShownStep miles = sound(Sound::Miles);
    // A distance's undo snapshot is taken before the card leaves the hand.
    const Row rows[] = {
        {"go hand=ijf", 2, 0, {hostsUndo, {K::Laid, 0, 0, Distance200, 14, 0, 0}, miles}},
        {"go miles=200 twos=1 hand=j",
         1,
         0,
         {hostsUndo, {K::Laid, 0, 0, Distance200, 14, 1, 0}, miles}},
        {"| stop hand=ffk | turn=1",
         3,
         0,
         {{K::Laid, 1, 3, Go, 11, 0, 0}, guestsUndo, sound(Sound::Remedy)}},
        {"go hand=p | go",
         1,
         0,
         {{K::Laid, 0, 0, Stop, 11, 0, 0}, hostsUndo, sound(Sound::Hazard)}},
        {"go hand=.x",
         2,
         0,
         {{K::Laid, 0, 0, PunctureProof, 8, 0, 0}, hostsUndo, sound(Sound::Safety)}},
        {"| hand=fg | turn=1", 2, 17, {{K::Laid, 1, 2, Distance50, 17, 0, 0}, guestsUndo}},
        {"| go miles=600 hand=i | turn=1",
         1,
         0,
         {guestsUndo,
          {K::Laid, 1, 1, Distance100, 15, 6, 0},
          miles,
          {K::Ask, 0, 0, 0, 0, 0, text::ExtendRace}}},
        {"| go miles=900 hand=ffffffi | turn=1 race=1000",
         7,
         0,
         {guestsUndo,
          {K::Laid, 1, 7, Distance100, 15, 9, 0},
          miles,
          {K::Scores, 0, 0, 0, 0, 0, 1}}},
        {"go miles=600 hand=i", 1, 0, {hostsUndo, {K::Laid, 0, 0, Distance100, 14, 6, 0}, miles}},
    };
    for (const Row& row : rows) {
        StepPosition pos;
        pos.set(row.position).select(row.slot);
        dispatchMove(pos.g, row.target ? row.target : autoTarget(pos.g, pos.own().slot(row.slot)));
        EXPECT_EQ(pos.take(), row.expected) << row.position;
    }
    for (int player : {0, 1}) {
        StepPosition pos;
        pos.set(player == 0 ? "draw=4 | draw=5" : "draw=4 | draw=5 | turn=1");
        drawCard(pos.g, DrawSlide::Shown);
        const std::vector<ShownStep> expected = {
            {K::Drawn, player, player == 1 ? 5 : 0, 0, 0, 0, 0}};
        EXPECT_EQ(pos.take(), expected) << player;
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
        const std::string code = makeJoinCode(r);
        EXPECT_EQ(readJoinCode(code), code);
        codes.insert(code);
    }
    EXPECT_EQ(codes.size(), 6u); // 0 and 25^6 give the same code
    EXPECT_EQ(makeJoinCode(0), "AAAAAA");
    EXPECT_EQ(makeJoinCode(1), "CAAAAA");
    constexpr std::pair<const char*, const char*> Rows[] = {
        {"ACDEFG", "ACDEFG"}, {"acd-efg", "ACDEFG"}, {" 34 67 9A ", "34679A"},
        {"ACDEF", nullptr},   {"ACDEFGH", nullptr},  {"ACDEF0", nullptr},
        {"ACDEFI", nullptr},  {"ACDEF.", nullptr},   {"", nullptr},
    };
    for (auto [typed, code] : Rows) {
        const std::optional<std::string> got = readJoinCode(typed);
        EXPECT_EQ(got.has_value(), code != nullptr) << typed;
        if (got && code) {
            EXPECT_EQ(*got, code) << typed;
        }
    }
    EXPECT_TRUE(sameCode("ACDEFG", "ACDEFG"));
    EXPECT_FALSE(sameCode("ACDEFG", "ACDEFH"));
    EXPECT_FALSE(sameCode("ACDEFG", "CDEFGA"));
    EXPECT_FALSE(sameCode("ACDEFG", "ACDEF"));
}

TEST(NetLockout, FiveWrongCodesLockAnAddressOutForAMinute) {
    std::int64_t now = 1000;
    Lockout lockout([&] { return now; });
    const std::string a = "127.0.0.1", b = "::1";
    for (int i = 0; i < Lockout::MaxWrongCodes - 1; ++i) lockout.wrongCode(a);
    EXPECT_FALSE(lockout.refuses(a));
    lockout.wrongCode(a);
    EXPECT_TRUE(lockout.refuses(a));
    EXPECT_FALSE(lockout.refuses(b));
    now += Lockout::LockMs - 1;
    EXPECT_TRUE(lockout.refuses(a));
    now += 1;
    EXPECT_FALSE(lockout.refuses(a));
    // The count starts again after the lock.
    lockout.wrongCode(a);
    EXPECT_FALSE(lockout.refuses(a));

    // A right code clears the count; a quiet minute forgets it.
    for (int i = 0; i < Lockout::MaxWrongCodes - 1; ++i) lockout.wrongCode(b);
    lockout.rightCode(b);
    lockout.wrongCode(b);
    EXPECT_FALSE(lockout.refuses(b));
    for (int i = 0; i < Lockout::MaxWrongCodes - 2; ++i) lockout.wrongCode(b);
    now += Lockout::LockMs;
    lockout.wrongCode(b);
    EXPECT_FALSE(lockout.refuses(b));
}

TEST(NetLockout, AFloodOfAddressesKeepsTheBookBounded) {
    std::int64_t now = 0;
    Lockout lockout([&] { return now; });
    for (int i = 0; i < 5 * Lockout::MaxWrongCodes; ++i) lockout.wrongCode("first");
    for (int i = 0; i < 5000; ++i) {
        ++now;
        lockout.wrongCode("10.0.0." + std::to_string(i));
    }
    EXPECT_LE(lockout.addresses(), Lockout::MaxAddresses);
    now += Lockout::LockMs;
    EXPECT_FALSE(lockout.refuses("x"));
    EXPECT_EQ(lockout.addresses(), 0u);
}

} // namespace
