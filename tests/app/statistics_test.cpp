// The statistics: what hands, games and forfeits add, and the stored line read back or
// refused. The column a game counts in shows in the window's Statistics (tests/qt).
#include "app/statistics.h"
#include "support/test_host.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// One result, from the first seat's side: a scored hand (won is the seat that won
// the game with it, -1 while the game goes on), or a forfeit credited to a seat.
struct Step {
    int own = 0, other = 0;           // hand scores
    int ownMiles = 0, otherMiles = 0; // at the end of the hand
    int won = -1;
    int coups = 0; // the first seat's coup fourre bits
    int race = 700;
    int forfeitTo = -1;
};

Figures after(const std::vector<Step>& steps) {
    TestHost host;
    Game g(host);
    Figures f;
    for (const Step& s : steps) {
        if (s.forfeitTo >= 0) {
            countForfeit(f, s.forfeitTo);
            continue;
        }
        g.round.raceLength = std::uint16_t(s.race);
        g.players[0].handScore = std::uint16_t(s.own);
        g.players[1].handScore = std::uint16_t(s.other);
        g.players[0].miles = std::uint16_t(s.ownMiles);
        g.players[1].miles = std::uint16_t(s.otherMiles);
        g.players[0].setCoupFourre(s.coups);
        g.players[1].setCoupFourre(0xF); // the other seat's never count
        g.round.set(flag::gameOver, s.won >= 0);
        g.round.winner = std::uint8_t(s.won >= 0 ? s.won : 1);
        countHand(f, g);
    }
    return f;
}

Step won(int seat) {
    return {.own = 9, .won = seat};
}
Step forfeit(int seat) {
    return {.forfeitTo = seat};
}

} // namespace

TEST(Statistics, HandsGamesStreaksAndForfeitsAddUp) {
    struct Row {
        const char* what;
        std::vector<Step> steps;
        // games won hands won longest current best total coups trips shut-outs
        const char* expected;
    };
    const Row rows[] = {
        {"a shut-out trip with two coups fourres",
         {{2300, 0, 700, 0, -1, 0b0101}},
         "0 0 1 1 0 0 2300 2300 2 1 1"},
        {"a trip while the opponent moved", {{1100, 300, 700, 300}}, "0 0 1 1 0 0 1100 1100 0 1 0"},
        {"an extended trip",
         {{.own = 1600, .ownMiles = 1000, .otherMiles = 5, .race = 1000}},
         "0 0 1 1 0 0 1600 1600 0 1 0"},
        {"the opponent's trip", {{200, 1100, 200, 700}}, "0 0 1 0 0 0 200 200 0 0 0"},
        {"a tie goes to the first seat, as in the rules",
         {{500, 500}},
         "0 0 1 1 0 0 500 500 0 0 0"},
        {"the best hand stays", {{900, 0}, {400, 0}, {901, 1000}}, "0 0 3 2 0 0 901 2201 0 0 0"},
        {"a hand won can lose the game", {{800, 100, 0, 0, 1}}, "1 0 1 1 0 0 800 800 0 0 0"},
        {"the longest streak outlives a loss",
         {won(0), won(0), won(0), won(1), won(0)},
         "5 4 5 5 3 1 9 45 0 0 0"},
        {"a forfeit is lost and ends the streak",
         {won(0), won(0), forfeit(1)},
         "3 2 2 2 2 0 9 18 0 0 0"},
        {"a game the second seat gives up is won",
         {forfeit(0), forfeit(0)},
         "2 2 0 0 2 2 0 0 0 0 0"},
    };
    for (const Row& row : rows) EXPECT_EQ(figuresText(after(row.steps)), row.expected) << row.what;

    EXPECT_EQ(Figures{}.percentWon(), 0u);
    EXPECT_EQ(Figures{}.meanHandScore(), 0u);
    EXPECT_EQ(after({forfeit(1), forfeit(0), forfeit(0)}).percentWon(), 67u);
    EXPECT_EQ(after({{100, 0}, {101, 0}}).meanHandScore(), 101u); // 100.5
    EXPECT_EQ(after({{100, 0}, {100, 0}, {101, 0}}).meanHandScore(), 100u);
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
