#include "game/hand_end.h"

#include "game/strings.h"
#include "game/targets.h"

namespace tarmigo {
namespace {

constexpr int TripComplete = 400;
constexpr int TripCompleteExtended = 600;
constexpr int SafeTrip = 300;
constexpr int ShutOut = 500;
constexpr int DelayedAction = 300;
constexpr int AllSafeties = 300;
constexpr int AllSafetyBits = 0xF;

void addBonuses(Game& g, int p) {
    PlayerRecord& pl = g.players[p];
    const PlayerRecord& other = g.players[1 - p];
    int bonus = 0;
    if (pl.miles == g.round.raceLength) {
        bonus += pl.miles == ExtendedRace ? TripCompleteExtended : TripComplete;
        if (pl.distancePlayed[Distance200 - Distance25] == 0) bonus += SafeTrip;
        if (other.miles == 0) bonus += ShutOut;
        if (pl.delayedAction()) bonus += DelayedAction;
    }
    if (pl.safeties() == AllSafetyBits) bonus += AllSafeties;
    pl.handScore = std::uint16_t(pl.handScore + bonus);
    pl.gameScore = std::uint16_t(pl.gameScore + pl.handScore);
}

void winGame(Game& g, int p) {
    g.round.winner = std::uint8_t(p);
    ++g.players[p].gamesWon(g.playerCount);
    g.round.set(flag::gameOver, true);
}

} // namespace

void endHand(Game& g) {
    g.round.set(flag::handOver, true);
    addBonuses(g, 0);
    addBonuses(g, 1);
    const PlayerRecord& p0 = g.players[0];
    const PlayerRecord& p1 = g.players[1];
    g.round.winner = p1.handScore > p0.handScore ? 1 : 0;

    const bool reached0 = p0.gameScore >= WinningScore;
    const bool reached1 = p1.gameScore >= WinningScore;
    if (reached0 && !reached1)
        winGame(g, 0);
    else if (reached1 && !reached0)
        winGame(g, 1);
    else if (reached0 && reached1 && p0.gameScore != p1.gameScore)
        winGame(g, p1.gameScore > p0.gameScore ? 1 : 0);
    // Equal scores past the line: nobody wins yet, another hand is played.
    // The status line says what comes next, to every seat; the listener then shows the
    // scores beside it.
    const int next = g.has(flag::gameOver) ? text::GameOverTapNew : text::TapNewForHand;
    tell(g, StatusSaid{AllSeats, {next, false, 0}});
    tell(g, HandEnded{
                {p0.handScore, p1.handScore}, {p0.gameScore, p1.gameScore}, g.has(flag::gameOver)});
    tell(g, RegionChanged{Region::Board, g.currentPlayer});
}

} // namespace tarmigo
