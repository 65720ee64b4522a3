// The statistics: what a hand, a game and a forfeit add, the column a game counts
// in, and the stored line read back or refused.
#include "app/statistics.h"
#include "support/test_host.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tarmigo;
using namespace tarmigo::testing;

namespace {

// One result from the first seat's side: a scored hand, or a forfeit (forfeitTo
// names the seat credited).
struct Step {
    int own = 0, other = 0;           // hand scores
    int ownMiles = 0, otherMiles = 0; // miles at the end of the hand
    int coups = 0;                    // the first seat's coup fourre bits
    int gameWinner = -1;              // the hand decided the game for this seat
    int forfeitTo = -1;
    int race = 700;
};

Figures after(const std::vector<Step>& steps) {
    TestHost host;
    Game g(host);
    g.playerCount = 1;
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
        g.round.set(flag::gameOver, s.gameWinner >= 0);
        g.round.winner = std::uint8_t(s.gameWinner >= 0 ? s.gameWinner : 1);
        countHand(f, g);
    }
    return f;
}

Figures figures(std::vector<std::uint64_t> v) {
    Figures f;
    f.games = std::uint32_t(v[0]);
    f.gamesWon = std::uint32_t(v[1]);
    f.hands = std::uint32_t(v[2]);
    f.handsWon = std::uint32_t(v[3]);
    f.longestStreak = std::uint32_t(v[4]);
    f.currentStreak = std::uint32_t(v[5]);
    f.bestHand = std::uint32_t(v[6]);
    f.handScoreTotal = v[7];
    f.coupsFourres = std::uint32_t(v[8]);
    f.tripsCompleted = std::uint32_t(v[9]);
    f.shutOuts = std::uint32_t(v[10]);
    return f;
}

Step hand(int own, int other, int ownMiles = 0, int otherMiles = 0) {
    return {.own = own, .other = other, .ownMiles = ownMiles, .otherMiles = otherMiles};
}
Step gameEnd(int own, int other, int winner) {
    return {.own = own, .other = other, .otherMiles = 25, .gameWinner = winner};
}
Step forfeit(int seat) {
    return {.forfeitTo = seat};
}

} // namespace

TEST(Statistics, HandsGamesStreaksAndForfeitsAddUp) {
    struct Row {
        const char* what;
        std::vector<Step> steps;
        std::vector<std::uint64_t> expected; // games, won, hands, won, longest, current,
                                             // best, total, coups, trips, shut-outs
    };
    const Row rows[] = {
        {"a shut-out trip with two coups fourres",
         {{.own = 2300, .other = 0, .ownMiles = 700, .coups = 0b0101}},
         {0, 0, 1, 1, 0, 0, 2300, 2300, 2, 1, 1}},
        {"a trip while the opponent moved is no shut-out",
         {hand(1100, 300, 700, 300)},
         {0, 0, 1, 1, 0, 0, 1100, 1100, 0, 1, 0}},
        {"an extended trip is a trip",
         {{.own = 1600, .ownMiles = 1000, .otherMiles = 5, .race = 1000}},
         {0, 0, 1, 1, 0, 0, 1600, 1600, 0, 1, 0}},
        {"the opponent's trip is not ours",
         {hand(200, 1100, 200, 700)},
         {0, 0, 1, 0, 0, 0, 200, 200, 0, 0, 0}},
        {"a tied hand is the first seat's, as the rules decide",
         {hand(500, 500)},
         {0, 0, 1, 1, 0, 0, 500, 500, 0, 0, 0}},
        {"the best hand stays, the total grows",
         {hand(900, 0), hand(400, 0), hand(901, 1000)},
         {0, 0, 3, 2, 0, 0, 901, 2201, 0, 0, 0}},
        {"a game won and one lost",
         {gameEnd(1000, 0, 0), gameEnd(0, 1000, 1)},
         {2, 1, 2, 1, 1, 0, 1000, 1000, 0, 0, 0}},
        {"the longest streak outlives a loss",
         {gameEnd(9, 0, 0), gameEnd(9, 0, 0), gameEnd(9, 0, 0), gameEnd(0, 9, 1), gameEnd(9, 0, 0)},
         {5, 4, 5, 4, 3, 1, 9, 36, 0, 0, 0}},
        {"a hand won can lose the game",
         {gameEnd(800, 100, 1)},
         {1, 0, 1, 1, 0, 0, 800, 800, 0, 0, 0}},
        {"a forfeit is a game lost and ends the streak",
         {gameEnd(9, 0, 0), gameEnd(9, 0, 0), forfeit(1)},
         {3, 2, 2, 2, 2, 0, 9, 18, 0, 0, 0}},
        {"a game given up by the second seat is won",
         {forfeit(0), forfeit(0)},
         {2, 2, 0, 0, 2, 2, 0, 0, 0, 0, 0}},
    };
    for (const Row& row : rows) EXPECT_EQ(after(row.steps), figures(row.expected)) << row.what;
}

TEST(Statistics, SharesAndMeansAreRoundedAndZeroBeforeAnyGame) {
    EXPECT_EQ(Figures{}.percentWon(), 0u);
    EXPECT_EQ(Figures{}.meanHandScore(), 0u);
    const Figures twoOfThree = after({gameEnd(100, 0, 0), gameEnd(101, 0, 0), gameEnd(0, 5, 1)});
    EXPECT_EQ(twoOfThree.percentWon(), 67u);
    EXPECT_EQ(twoOfThree.meanHandScore(), 67u);                           // 201 / 3
    EXPECT_EQ(after({hand(100, 0), hand(101, 0)}).meanHandScore(), 101u); // 100.5
    EXPECT_EQ(after({forfeit(1), forfeit(0), forfeit(1)}).percentWon(), 33u);
}

TEST(Statistics, AGameCountsForTheOtherPersonOrTheComputersLevel) {
    struct Row {
        int players;
        bool hard, expertChosen;
        Opponent expected;
    };
    const Row rows[] = {
        {1, false, false, Opponent::Easy},     {1, false, true, Opponent::Easy},
        {1, true, false, Opponent::Hard},      {1, true, true, Opponent::Expert},
        {2, true, true, Opponent::TwoPlayers}, {2, false, false, Opponent::TwoPlayers},
    };
    for (const Row& row : rows) {
        TestHost host;
        Game g(host);
        g.playerCount = std::uint8_t(row.players);
        g.round.set(flag::hard, row.hard);
        EXPECT_EQ(opponentOf(g, row.expertChosen), row.expected)
            << row.players << row.hard << row.expertChosen;
    }
}

TEST(Statistics, TheStoredLineReadsBackAndDamageIsRefused) {
    const Figures rich = figures({4000000000, 7, 12, 9, 5, 2, 65535, 65535 * 12, 48, 12, 3});
    EXPECT_EQ(figuresFromText(figuresText(rich)), rich);
    EXPECT_EQ(figuresFromText(figuresText(Figures{})), Figures{});
    EXPECT_EQ(figuresText(figures({3, 2, 4, 3, 2, 1, 900, 2000, 1, 2, 1})),
              "3 2 4 3 2 1 900 2000 1 2 1");

    const char* const damaged[] = {
        "",
        "3 2 4 3 2 1 900 2000 1 2",     // a figure short
        "3 2 4 3 2 1 900 2000 1 2 1 0", // one too many
        "3 2 4 3 2 1 900 2000 1 2 1 ",  // a trailing space
        " 3 2 4 3 2 1 900 2000 1 2 1",  // a leading one
        "3  2 4 3 2 1 900 2000 1 2 1",  // two spaces
        "3,2,4,3,2,1,900,2000,1,2,1",   // other separators
        "3 2 4 3 2 1 900 2000 1 2 x",   // not a number
        "3 2 4 3 2 1 900 2000 1 2 -1",  // a sign
        "3 2 4 3 2 1 900 2000 1 2 +1",
        "4294967296 2 4 3 2 1 900 2000 1 2 1", // past 32 bits
        "2 3 4 3 2 1 900 2000 1 2 1",          // more games won than played
        "3 2 4 5 2 1 900 2000 1 2 1",          // more hands won than played
        "3 2 4 3 3 1 900 2000 1 2 1",          // a streak longer than the games won
        "3 2 4 3 2 3 900 2000 1 2 1",          // the current streak past the longest
        "3 2 4 3 2 1 65536 70000 1 2 1",       // a hand score past 16 bits
        "3 2 4 3 2 1 900 800 1 2 1",           // the best hand past the total
        "3 2 1 1 2 1 900 65536 1 1 1",         // a total past what the hands can score
        "3 2 4 3 2 1 900 2000 17 2 1",         // more coups fourres than safeties laid
        "3 2 4 3 2 1 900 2000 1 5 1",          // more trips than hands
        "3 2 4 3 2 1 900 2000 1 2 3",          // more shut-outs than trips
    };
    for (const char* text : damaged) EXPECT_EQ(figuresFromText(text), std::nullopt) << text;
}
