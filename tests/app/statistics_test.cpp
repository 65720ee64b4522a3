// The statistics: what hands, games and forfeits add, and the stored line read or refused.
#include "app/statistics.h"
#include "support/rules_position.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {
// The figures after the first seat's results: hand ends in the notation, or "forfeit=S".
Figures after(const std::vector<const char*>& results) {
    Figures f;
    for (std::string_view r : results) {
        if (r.starts_with("forfeit=")) {
            countForfeit(f, r.back() - '0');
            continue;
        }
        RulePosition pos(2);
        pos.player(1).setCoupFourre(0xF); // the other seat's never count
        pos.set(r);
        countHand(f, pos.g);
    }
    return f;
}

const char* const Won0 = "score=9 | | gameover winner=0"; // a hand that wins the game
const char* const Won1 = "score=9 | | gameover winner=1"; // one that loses it
} // namespace

TEST(Statistics, HandsGamesStreaksAndForfeitsAddUp) {
    struct Row {
        const char* what;
        std::vector<const char*> results;
        // games won hands won longest current best total coups trips shut-outs
        const char* expected;
    };
    const Row rows[] = {
        {"a shut-out trip with two coups fourres",
         {"score=2300 miles=700 cf=uw"},
         "0 0 1 1 0 0 2300 2300 2 1 1"},
        {"a trip while the opponent moved",
         {"score=1100 miles=700 | score=300 miles=300"},
         "0 0 1 1 0 0 1100 1100 0 1 0"},
        {"an extended trip",
         {"score=1600 miles=1000 | miles=25 | race=1000"},
         "0 0 1 1 0 0 1600 1600 0 1 0"},
        {"the opponent's trip",
         {"score=200 miles=200 | score=1100 miles=700"},
         "0 0 1 0 0 0 200 200 0 0 0"},
        {"a tie goes to the first seat, as in the rules",
         {"score=500 | score=500"},
         "0 0 1 1 0 0 500 500 0 0 0"},
        {"the best hand stays",
         {"score=900", "score=400", "score=901 | score=1000"},
         "0 0 3 2 0 0 901 2201 0 0 0"},
        {"a hand won can lose the game",
         {"score=800 | score=100 | gameover winner=1"},
         "1 0 1 1 0 0 800 800 0 0 0"},
        {"the longest streak outlives a loss",
         {Won0, Won0, Won0, Won1, Won0},
         "5 4 5 5 3 1 9 45 0 0 0"},
        {"a forfeit is lost and ends the streak",
         {Won0, Won0, "forfeit=1"},
         "3 2 2 2 2 0 9 18 0 0 0"},
        {"a game the second seat gives up is won",
         {"forfeit=0", "forfeit=0"},
         "2 2 0 0 2 2 0 0 0 0 0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(figuresText(after(row.results)), row.expected) << row.what;
    EXPECT_EQ(Figures{}.percentWon(), 0u);
    EXPECT_EQ(Figures{}.meanHandScore(), 0u);
    EXPECT_EQ(after({"forfeit=1", "forfeit=0", "forfeit=0"}).percentWon(), 67u);
    EXPECT_EQ(after({"score=100", "score=101"}).meanHandScore(), 101u); // 100.5
    EXPECT_EQ(after({"score=100", "score=100", "score=101"}).meanHandScore(), 100u);
}

TEST(Statistics, TheStoredLineReadsBackAndDamageIsRefused) {
    const char* const sound[] = {"0 0 0 0 0 0 0 0 0 0 0", "3 2 4 3 2 1 900 2000 1 2 1",
                                 "4000000000 7 12 9 5 2 65535 786420 48 12 3"};
    for (const char* text : sound) {
        const std::optional<Figures> f = figuresFromText(text);
        ASSERT_TRUE(f) << text;
        EXPECT_EQ(figuresText(*f), text);
    }
    const char* const damaged[] = {
        "",
        "3 2 4 3 2 1 900 2000 1 2",            // a figure short
        "3 2 4 3 2 1 900 2000 1 2 1 0",        // one too many
        "3 2 4 3 2 1 900 2000 1 2 1 ",         // a trailing space
        " 3 2 4 3 2 1 900 2000 1 2 1",         // a leading one
        "3  2 4 3 2 1 900 2000 1 2 1",         // two spaces
        "3,2,4,3,2,1,900,2000,1,2,1",          // other separators
        "3 2 4 3 2 1 900 2000 1 2 x",          // not a number
        "3 2 4 3 2 1 900 2000 1 2 -1",         // a sign
        "3 2 4 3 2 1 900 2000 1 2 +1",         //
        "3 2 4 3 2 1 900 2000 1 2 4294967296", // past 32 bits
        "2 3 4 3 2 1 900 2000 1 2 1",          // more games won than played
        "3 2 4 5 2 1 900 2000 1 2 1",          // more hands won than played
        "3 2 4 3 3 1 900 2000 1 2 1",          // a streak longer than the games won
        "3 2 4 3 2 3 900 2000 1 2 1",          // the current streak past the longest
        "3 2 4 3 2 1 65536 70000 1 2 1",       // a hand score past 16 bits
        "3 2 4 3 2 1 900 800 1 2 1",           // the best hand past the total
        "3 2 1 1 2 1 900 65536 1 1 1",         // a total past what the hands can score
        "3 2 4 3 2 1 900 2000 17 2 1",         // more coups fourres than safeties
        "3 2 4 3 2 1 900 2000 1 5 1",          // more trips than hands
        "3 2 4 3 2 1 900 2000 1 2 3",          // more shut-outs than trips
    };
    for (const char* text : damaged) EXPECT_EQ(figuresFromText(text), std::nullopt) << text;
}

// A network game's guest counts its own hands from its seat's view; the host's seat
// counts from the game, and both ways agree.
TEST(Statistics, EachSeatCountsItsOwnHandFromItsView) {
    struct Row {
        const char* position;
        const char* seat0; // the figures each seat counts
        const char* seat1;
    };
    const Row rows[] = {
        {"score=2300 miles=700 cf=uw | cf=u", "0 0 1 1 0 0 2300 2300 2 1 1",
         "0 0 1 0 0 0 0 0 1 0 0"},
        {"score=300 miles=300 | score=1100 miles=700", "0 0 1 0 0 0 300 300 0 0 0",
         "0 0 1 1 0 0 1100 1100 0 1 0"},
        {"score=500 | score=500", "0 0 1 1 0 0 500 500 0 0 0", "0 0 1 0 0 0 500 500 0 0 0"},
        {"score=400 game=5400 | score=900 game=4000 | gameover winner=0",
         "1 1 1 0 1 1 400 400 0 0 0", "1 0 1 1 0 0 900 900 0 0 0"},
        {"score=400 game=4400 | score=900 game=5000 | gameover winner=1",
         "1 0 1 0 0 0 400 400 0 0 0", "1 1 1 1 1 1 900 900 0 0 0"},
    };
    for (const Row& row : rows) {
        RulePosition pos(2);
        pos.set(row.position);
        pos.g.round.set(flag::handOver, true);
        Figures fromGame, seat0, seat1;
        countHand(fromGame, pos.g);
        countHand(seat0, viewFor(pos.g, 0));
        countHand(seat1, viewFor(pos.g, 1));
        EXPECT_EQ(figuresText(fromGame), row.seat0) << row.position;
        EXPECT_EQ(seat0, fromGame) << row.position;
        EXPECT_EQ(figuresText(seat1), row.seat1) << row.position;
    }
}
