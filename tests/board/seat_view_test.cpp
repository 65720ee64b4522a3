// One seat's view over random play: what it may not see (the other hand, the draw pile's
// order, the undo snapshot, the seen counts) changes neither its view nor the board's paint;
// what it may see changes the view.
#include "board/draw.h"
#include "board/recording_surface.h"
#include "game/view.h"
#include "support/program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

using Rng = std::mt19937;
using Change = std::function<void(Game&, int seat, Rng&)>;

Card otherCard(Card c, std::mt19937& rng) {
    const Card next = Card(Distance25 + int(rng() % 19));
    return next == c ? Card(next == Distance25 ? EndOfLimit : Distance25) : next;
}

// What no seat, or not this one, may see.
const std::pair<const char*, Change> Hidden[] = {
    {"the other hand",
     [](Game& g, int seat, Rng& rng) {
         PlayerRecord& other = g.players[1 - seat];
         for (Card& c : other.hand) c = otherCard(c, rng);
         other.setSelectedSlot(int(rng() % 8));
         other.setMarkedSlot(int(rng() % 8));
         other.setDrawSlot(int(rng() % 8));
     }},
    {"the draw pile's order",
     [](Game& g, int, Rng& rng) {
         const auto from = g.deck.begin() + std::min<int>(g.round.deckPos, DeckSize);
         std::shuffle(from, g.deck.end(), rng);
         if (from != g.deck.end()) *from = otherCard(*from, rng);
     }},
    {"the undo snapshot",
     [](Game& g, int, Rng& rng) {
         g.undo.players[0].hand[0] = otherCard(g.undo.players[0].hand[0], rng);
         g.undo.players[1].miles = std::uint16_t(rng() % 1000);
         g.undo.round.deckPos = std::uint8_t(rng() % 100);
         g.undo.currentPlayer = std::uint8_t(1 - g.undo.currentPlayer);
     }},
    {"the seen counts",
     [](Game& g, int, Rng& rng) {
         for (auto& n : g.round.seenCount) n = std::uint8_t(rng() % 10);
     }},
};

// What every seat sees; the own hand only where it is shown.
const std::pair<const char*, Change> Visible[] = {
    {"the other's miles", [](Game& g, int seat, Rng&) { g.players[1 - seat].miles += 25; }},
    {"the other's safeties",
     [](Game& g, int seat, Rng&) {
         PlayerRecord& p = g.players[1 - seat];
         p.setSafeties(p.safeties() ^ 1);
     }},
    {"the own battle pile",
     [](Game& g, int seat, Rng&) {
         PlayerRecord& p = g.players[seat];
         p.setBattle(p.battle() == BattleGo ? BattleStop : BattleGo);
     }},
    {"the other's game score", [](Game& g, int seat, Rng&) { g.players[1 - seat].gameScore += 5; }},
    {"the cards left", [](Game& g, int, Rng&) { g.round.deckPos ^= 1; }},
    {"the discard top",
     [](Game& g, int, Rng& rng) { g.round.discardTop = otherCard(g.round.discardTop, rng); }},
    {"the status", [](Game& g, int, Rng&) { g.status.number += 1; }},
    {"whose turn", [](Game& g, int, Rng&) { g.currentPlayer ^= 1; }},
    {"the hand being over",
     [](Game& g, int, Rng&) { g.round.set(flag::handOver, !g.has(flag::handOver)); }},
};

class SeatViewRun : public ::testing::Test {
  protected:
    std::mt19937 rng{20260};
    Program app;

    int pick(int n) { return int(rng() % std::uint32_t(n)); }

    // A few random taps and now and then a new game of either kind.
    void play() {
        for (int n = 1 + pick(6); n > 0; --n) {
            app.host.ticks = std::uint32_t(rng());
            const int roll = pick(100);
            if (roll < 2 || app.g().has(flag::handOver))
                app.command(pick(2) ? command::OnePlayerGame : command::TwoPlayerGame);
            else if (roll < 60)
                app.tapSlot(1 + pick(HandSize));
            else if (roll < 80)
                app.tapDeck();
            else
                app.tap(pick(240), app.g().layout.statusY + 5);
        }
    }
    // The seat's paint of a table, with the discard armed as the table has it.
    static std::vector<DrawOp> paintOf(Table& t) {
        RecordingSurface surface;
        paintWindow(t, surface);
        return surface.ops();
    }
};

TEST_F(SeatViewRun, WhatASeatMayNotSeeLeavesItsViewAndItsPaintAsTheyAre) {
    app.host.yesNoAnswers.assign(100000, true);
    app.start();
    int handovers = 0;
    for (int position = 0; position < 400; ++position) {
        play();
        const Session& g = app.g();
        handovers += g.has(flag::turnHandover);
        for (int seat = 0; seat < 2; ++seat) {
            const SeatView view = viewFor(g, seat);
            Game all(g);
            for (const auto& [what, change] : Hidden) {
                Game other(g);
                change(other, seat, rng);
                change(all, seat, rng);
                ASSERT_EQ(viewFor(other, seat), view) << what << " at position " << position;
            }
            ASSERT_EQ(viewFor(all, seat), view) << "all at once at position " << position;
            for (const auto& [what, change] : Visible) {
                Game other(g);
                change(other, seat, rng);
                EXPECT_NE(viewFor(other, seat), view) << what << " at position " << position;
            }
            Game ownHand(g);
            ownHand.players[seat].hand[pick(HandSize)] ^= 1;
            EXPECT_EQ(viewFor(ownHand, seat) == view, g.has(flag::turnHandover))
                << "the own hand, shown only outside a hand-over, at position " << position;
        }
        // The screen paints the shown seat: the same pixels whatever it may not see.
        Table table(app.g());
        Table hidden(app.g());
        for (const auto& [what, change] : Hidden) change(hidden, shownSeat(table), rng);
        ASSERT_EQ(paintOf(hidden), paintOf(table)) << "position " << position;
    }
    EXPECT_GT(handovers, 5); // the run reached the two-player hand-over
}

TEST(SeatView,
     TheScreenShowsTheHumanAgainstTheComputerAndTheCurrentPlayerBetweenTwoWhoAnswersHisMove) {
    TestHost host;
    Game g(host);
    const struct {
        int players, current, seat;
    } rows[] = {{1, 0, 0}, {1, 1, 0}, {2, 0, 0}, {2, 1, 1}};
    for (auto [players, current, seat] : rows) {
        g.playerCount = std::uint8_t(players);
        g.currentPlayer = std::uint8_t(current);
        EXPECT_EQ(shownSeat(g), seat) << players << " players, current " << current;
    }
    // The question of a move waits on the mover's answer alone.
    g.pending = Decision::Extension;
    EXPECT_TRUE(viewFor(g, 1).decisionPending);
    EXPECT_FALSE(viewFor(g, 0).decisionPending);
}

} // namespace
