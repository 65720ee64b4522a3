// The statistics against the saved game: a hand is counted once however a run ends.
#include "app/statistics_book.h"
#include "support/notation.h"
#include "support/test_host.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {
class MemoryStatistics : public StatisticsStore {
  public:
    std::optional<std::string> read(const std::string& key) const override {
        const auto it = lines.find(key);
        return it == lines.end() ? std::nullopt : std::optional(it->second);
    }
    void write(const Lines& changes) override {
        ++writes;
        for (const auto& [key, text] : changes)
            text ? void(lines[key] = *text) : void(lines.erase(key));
    }
    std::map<std::string, std::string> lines;
    int writes = 0;
};

// A one-player game against Hard as the record restores it, dealt from `deal`.
struct Restored {
    TestHost host;
    Game g{host};
    Restored(const char* position, int deal) {
        setPosition(g, position);
        g.round.set(flag::hard, true);
        for (std::size_t i = 0; i < g.deck.size(); ++i)
            g.deck[i] = Card(FirstCard + (i + deal) % 19);
    }
};

const char* const Finished =
    "score=1100 game=1100 miles=700 | score=300 game=300 | over deck=60 race=700";
const char* const Reopened = "score=1000 miles=600 | score=300 | deck=59";
const char* const NextHand = "game=1100 | game=300 | deck=20";

std::uint32_t hands(const StatisticsBook& book) {
    return book.figures(Opponent::Hard).hands;
}
} // namespace

TEST(StatisticsBook, AHandIsCountedOnceWhereverTheRunWasKilled) {
    struct Row {
        const char* when;
        bool countedBeforeKill; // the statistics were written before the kill
        bool undoneBeforeKill;  // an undo had reopened the hand and saved the record
        const char* restored;   // the game the next start restores
        int deal;
        std::uint32_t handsAfterStart;
    };
    const Row rows[] = {
        {"after the record, before the statistics", false, false, Finished, 0, 1},
        {"after both writes", true, false, Finished, 0, 1},
        {"after an undo's record, before the figures were taken back", true, true, Reopened, 0, 0},
        {"in the next hand", true, false, NextHand, 1, 1},
        {"in the next hand, one with the same scores", true, false, Reopened, 1, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.when);
        MemoryStatistics store;
        {
            StatisticsBook book(&store);
            Restored played(Finished, 0);
            if (row.countedBeforeKill) book.countFinishedHand(played.g, false);
        }
        StatisticsBook book(&store); // the next start
        Restored restored(row.restored, row.deal);
        book.settle(restored.g, false);
        EXPECT_EQ(hands(book), row.handsAfterStart);
        book.settle(restored.g, false); // a second start changes nothing
        book.countFinishedHand(restored.g, false);
        EXPECT_EQ(hands(book), row.handsAfterStart);
    }
}

// A forfeit is written before the next game is saved: a start that restores the game
// given up takes it back, with the undo of the hand counted before it.
TEST(StatisticsBook, AForfeitCountsOnceWhereverTheRunWasKilled) {
    struct Row {
        const char* when;
        const char* restored; // the game the next start restores, and its deal
        int deal;
        std::uint32_t games;
    };
    const Row rows[] = {
        {"after the statistics, before the next game was saved", NextHand, 1, 0},
        {"after both writes", Reopened, 2, 1},
        {"after both writes, the next game dealt alike", "game=1100 | game=300 won=1 | deck=20", 1,
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.when);
        MemoryStatistics store;
        {
            StatisticsBook book(&store);
            book.countFinishedHand(Restored(Finished, 0).g, false);
            book.countForfeit(Restored(NextHand, 1).g, false, 1);
        }
        for (int start = 0; start < 2; ++start) { // a second start changes nothing
            StatisticsBook book(&store);
            book.settle(Restored(row.restored, row.deal).g, false);
            EXPECT_EQ(book.figures(Opponent::Hard).games, row.games);
            EXPECT_EQ(store.lines.size(), 2u); // the figures and the last hand
        }
        // Taken back, the forfeit leaves the hand before it open to an undo.
        StatisticsBook book(&store);
        book.takeBackHand();
        EXPECT_EQ(hands(book), row.games);
    }
}

TEST(StatisticsBook, AnUndoTakesTheHandBackAndItCountsAgainWhenItEndsAgain) {
    MemoryStatistics store;
    StatisticsBook book(&store);
    Restored first(Finished, 0);
    book.countFinishedHand(first.g, false);
    book.countFinishedHand(first.g, false); // the save after the hand's end
    EXPECT_EQ(hands(book), 1u);
    book.takeBackHand();
    EXPECT_EQ(book.figures(Opponent::Hard), Figures{});
    book.takeBackHand();                    // nothing more to take back
    book.countFinishedHand(first.g, false); // the same move ends it the same way
    EXPECT_EQ(hands(book), 1u);
    // The options change the record but not the hand.
    first.g.round.set(flag::sortHand, !first.g.has(flag::sortHand));
    first.g.round.set(flag::playSounds, !first.g.has(flag::playSounds));
    book.countFinishedHand(first.g, false);
    EXPECT_EQ(hands(book), 1u);
    // A forfeit and a reset are not undone, and leave the hand counted.
    book.countForfeit(first.g, false, 1);
    book.takeBackHand();
    EXPECT_EQ(book.figures(Opponent::Hard).games, 1u);
    book.reset();
    book.countFinishedHand(first.g, false);
    book.settle(first.g, false);
    EXPECT_EQ(book.figures(Opponent::Hard), Figures{});
}

TEST(StatisticsBook, EachCountIsOneWriteAndTheOldLinesStayAsTheyWere) {
    MemoryStatistics store;
    store.lines["hard"] = "2 1 5 3 1 0 1200 4000 1 2 0"; // kept by an earlier version
    StatisticsBook book(&store);
    Restored r(Finished, 0);
    book.countFinishedHand(r.g, true); // Expert
    EXPECT_EQ(store.writes, 1);
    EXPECT_EQ(store.lines["hard"], "2 1 5 3 1 0 1200 4000 1 2 0");
    EXPECT_EQ(store.lines["expert"], "0 0 1 1 0 0 1100 1100 0 1 1"); // a shut-out
    // The mark, then the level and the figures it changed as they were.
    EXPECT_TRUE(store.lines["lastHand"].ends_with(" 1100 300 1100 300 60 2 0 0 0 0 0 0 0 0 0 0 0"))
        << store.lines["lastHand"];
    book.takeBackHand();
    EXPECT_EQ(store.writes, 2);
    EXPECT_EQ(store.lines["expert"], "0 0 0 0 0 0 0 0 0 0 0");
    EXPECT_FALSE(store.lines.contains("lastHand"));
}

TEST(StatisticsBook, ADamagedMarkIsNoMark) {
    for (const char* damaged :
         {"", "x", "1 2 3", "1 2 3 4 5 200", "1 2 3 4 5 6 9 0 0 0 0 0 0 0 0 0 0 0",
          "1 2 3 4 5 6 1 0 0", "1 2 3 4 5 6 1 0 1 0 0 0 0 0 0 0 0 0"}) {
        SCOPED_TRACE(damaged);
        MemoryStatistics store;
        store.lines["lastHand"] = damaged;
        StatisticsBook book(&store);
        Restored r(Reopened, 0);
        book.settle(r.g, false); // nothing to take back
        book.takeBackHand();
        EXPECT_EQ(store.writes, 0);
        Restored finished(Finished, 0);
        book.settle(finished.g, false);
        EXPECT_EQ(hands(book), 1u);
    }
}

// Lines kept before the network column existed load as they were, the column empty;
// the network game's hands go to their own line against their own mark.
TEST(StatisticsBook, TheNetworkColumnStartsEmptyAndKeepsItsOwnMark) {
    MemoryStatistics store;
    store.lines["hard"] = "2 1 5 3 1 0 1200 4000 1 2 0";
    store.lines["twoPlayers"] = "1 1 2 2 1 1 900 1500 0 1 0";
    store.lines["lastHand"] = "7 1 2 3 4 5 1 0 0 0 0 0 0 0 0 0 0 0";
    const auto before = store.lines;
    StatisticsBook local(&store);
    StatisticsBook network(&store, StatisticsBook::Games::Network);
    EXPECT_EQ(local.figures(Opponent::Network), Figures{});
    EXPECT_EQ(figuresText(local.figures(Opponent::TwoPlayers)), "1 1 2 2 1 1 900 1500 0 1 0");
    Restored hosted(Finished, 3);
    hosted.g.playerCount = 2;
    network.countFinishedHand(hosted.g, false);
    network.settle(hosted.g, false); // the host's next start
    EXPECT_EQ(network.figures(Opponent::Network).hands, 1u);
    for (const auto& [key, text] : before) EXPECT_EQ(store.lines[key], text) << key;
    // The local game's finished hand is still counted once, by its own mark.
    Restored played(Finished, 0);
    local.settle(played.g, false);
    local.settle(played.g, false);
    EXPECT_EQ(hands(local), 6u);
    network.takeBackHand();
    EXPECT_EQ(network.figures(Opponent::Network), Figures{});
    EXPECT_EQ(hands(local), 6u);
    // A guest counts from its view, each time its hand's end is shown.
    SeatView v = viewFor(played.g, 1);
    network.countSeatHand(v);
    EXPECT_EQ(network.figures(Opponent::Network).hands, 1u);
    v.handOver = false;
    network.countSeatHand(v);
    EXPECT_EQ(network.figures(Opponent::Network).hands, 1u);
}
