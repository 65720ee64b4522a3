#include "game/scores.h"

#include "game/strings.h"

#include <bit>

namespace tarmigo {

ScoresContent scoresContent(const SeatView& v) {
    ScoresContent c;
    const bool over = v.handOver;
    c.twoPlayers = v.playerCount == 2;
    if (over) {
        c.button = v.gameOver ? ScoresButton::NewGame : ScoresButton::NewHand;
        c.resultId = text::YouWin + 2 * (v.playerCount - 1) + v.winner;
    }
    for (int p = 0; p < 2; ++p) {
        const PlayerView& pl = v.players[std::size_t(p)];
        const PlayerView& other = v.players[std::size_t(1 - p)];
        const bool tripComplete = pl.miles == v.raceLength;
        const int values[ScoresContent::Rows] = {
            pl.miles,
            100 * std::popcount(unsigned(pl.safeties)),
            pl.safeties == 0xF ? 300 : 0,
            300 * std::popcount(unsigned(pl.coupFourre)),
            over && tripComplete ? 400 : 0,
            pl.delayedAction ? 300 : 0,
            over && tripComplete && pl.distancePlayed[Distance200 - Distance25] == 0 ? 300 : 0,
            pl.miles == ExtendedRace ? 200 : 0,
            over && other.miles == 0 && tripComplete ? 500 : 0,
            pl.handScore,
            pl.gameScore,
            pl.gamesWon,
        };
        for (int row = 0; row < ScoresContent::Rows; ++row)
            c.values[std::size_t(row)][std::size_t(p)] = values[row];
    }
    return c;
}

ScoresContent scoresContent(const Game& g) {
    return scoresContent(viewFor(g, 0));
}

} // namespace tarmigo
