#include "app/scores_dialog.h"

#include "game/strings.h"

#include <bit>

namespace tarmigo {

ScoresContent scoresContent(const Game& g) {
    ScoresContent c;
    const bool over = g.has(flag::handOver);
    c.twoPlayers = g.playerCount == 2;
    if (over) {
        c.button = g.has(flag::gameOver) ? ScoresButton::NewGame : ScoresButton::NewHand;
        c.resultId = text::YouWin + 2 * (g.playerCount - 1) + g.round.winner;
    }
    for (int p = 0; p < 2; ++p) {
        const PlayerRecord& pl = g.players[p];
        const PlayerRecord& other = g.players[1 - p];
        const bool tripComplete = pl.miles == g.round.raceLength;
        const int values[ScoresContent::Rows] = {
            pl.miles,
            100 * std::popcount(unsigned(pl.safeties())),
            pl.safeties() == 0xF ? 300 : 0,
            300 * std::popcount(unsigned(pl.coupFourre())),
            over && tripComplete ? 400 : 0,
            pl.delayedAction() ? 300 : 0,
            over && tripComplete && pl.distancePlayed[Distance200 - Distance25] == 0 ? 300 : 0,
            pl.miles == ExtendedRace ? 200 : 0,
            over && other.miles == 0 && tripComplete ? 500 : 0,
            pl.handScore,
            pl.gameScore,
            pl.gamesWon(g.playerCount),
        };
        for (int row = 0; row < ScoresContent::Rows; ++row) c.values[row][p] = values[row];
    }
    return c;
}

} // namespace tarmigo
