#include "simulation.h"

#include "board/layout.h"

#include <bit>
#include <chrono>
#include <cstdio>
#include <string>

namespace tarmigo::sim {
namespace {

// Scores climb by at least the miles of a completed trip every few hands; a game
// still open after this many hands is stuck.
constexpr long MaxHandsPerGame = 10'000;

void countHand(const Game& g, Report& r) {
    ++r.hands;
    bool tripCompleted = false;
    for (int p = 0; p < 2; ++p) {
        const PlayerRecord& pl = g.players[p];
        SideFigures& side = r.sides[p];
        side.handScoreTotal += pl.handScore;
        side.coupsFourres += std::popcount(unsigned(pl.coupFourre()));
        if (pl.miles == g.round.raceLength) {
            ++side.tripsCompleted;
            tripCompleted = true;
        }
    }
    const int score0 = g.players[0].handScore;
    const int score1 = g.players[1].handScore;
    if (score0 > score1)
        ++r.sides[0].handsWon;
    else if (score1 > score0)
        ++r.sides[1].handsWon;
    else
        ++r.tiedHands;
    if (!tripCompleted) ++r.blockedHands;
}

std::string levelName(const Options& options, int side) {
    switch (options.levels[side]) {
    case Level::Easy: return "easy";
    case Level::Hard: return "hard";
    case Level::Expert: return "expert";
    }
    return "";
}

void printRow(std::ostream& out, const char* label, const std::string& a, const std::string& b) {
    char line[96];
    std::snprintf(line, sizeof line, "%-18s %16s %16s\n", label, a.c_str(), b.c_str());
    out << line;
}

std::string decimal(double v, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", digits, v);
    return text;
}

} // namespace

Report runSimulation(const Options& options) {
    Report r;
    SelfPlayHost host(options.seed);
    Session g(host, host);
    // Nobody watches: the rules report to nobody, as in any bare game.
    g.events = &GameEvents::silent();
    g.layout = computeLayout(240, 320);
    prepareSelfPlay(g);

    const auto start = std::chrono::steady_clock::now();
    for (long game = 0; game < options.games && !r.stalled; ++game) {
        bool newGame = true;
        for (long hand = 0;; ++hand) {
            if (hand == MaxHandsPerGame || !playSelfPlayHand(g, options.levels, newGame)) {
                r.stalled = true;
                break;
            }
            newGame = false;
            countHand(g, r);
            if (g.has(flag::gameOver)) {
                ++r.games;
                ++r.sides[g.round.winner & 1].gamesWon;
                break;
            }
        }
    }
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
}

void printReport(std::ostream& out, const Options& options, const Report& r) {
    out << "tarmigo-sim: " << r.games << " games, seed " << options.seed << ", player 0 "
        << levelName(options, 0) << ", player 1 " << levelName(options, 1) << '\n';
    printRow(out, "", "player 0 (" + levelName(options, 0) + ")",
             "player 1 (" + levelName(options, 1) + ")");
    auto row = [&](const char* label, auto field) {
        printRow(out, label, field(r.sides[0]), field(r.sides[1]));
    };
    row("games won", [](const SideFigures& s) { return std::to_string(s.gamesWon); });
    row("hands won", [](const SideFigures& s) { return std::to_string(s.handsWon); });
    row("mean hand score", [&](const SideFigures& s) {
        return decimal(r.hands ? double(s.handScoreTotal) / double(r.hands) : 0.0, 1);
    });
    row("coups fourres", [](const SideFigures& s) { return std::to_string(s.coupsFourres); });
    row("trips completed", [](const SideFigures& s) { return std::to_string(s.tripsCompleted); });
    out << "hands played " << r.hands << ", tied " << r.tiedHands << ", blocked (no trip) "
        << r.blockedHands << '\n';
    const double rate = r.seconds > 0 ? double(r.hands) / r.seconds : 0.0;
    out << "speed " << decimal(rate, 0) << " hands/s (" << decimal(r.seconds, 3) << " s)\n";
}

} // namespace tarmigo::sim
