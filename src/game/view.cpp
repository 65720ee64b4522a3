#include "game/view.h"

#include "game/legality.h"

#include <algorithm>

namespace tarmigo {
namespace {

PlayerView playerView(const Game& g, int p) {
    const PlayerRecord& rec = g.players[p];
    PlayerView v;
    v.miles = rec.miles;
    v.handScore = rec.handScore;
    v.gameScore = rec.gameScore;
    v.gamesWon = rec.gamesWon(g.playerCount);
    v.safeties = rec.safeties();
    v.coupFourre = rec.coupFourre();
    v.battle = rec.battle();
    v.speed = rec.speed();
    v.moving = isMoving(g, p);
    v.delayedAction = rec.delayedAction();
    std::copy(rec.distancePlayed.begin(), rec.distancePlayed.end(), v.distancePlayed.begin());
    return v;
}

} // namespace

int shownSeat(const Game& g) {
    return g.playerCount == 2 && validPlayer(g.currentPlayer) ? g.currentPlayer : 0;
}

SeatView viewFor(const Game& g, int seat) {
    SeatView v;
    v.seat = validPlayer(seat) ? seat : 0;
    v.playerCount = g.playerCount;
    v.currentPlayer = g.currentPlayer;
    for (int p = 0; p < 2; ++p) v.players[p] = playerView(g, p);

    // A damaged record may hold a deck position past the end: the pile is then empty.
    v.cardsLeft = std::max(0, DeckSize - int(g.round.deckPos));
    v.discardTop = g.round.discardTop != 0 ? Card(g.round.discardTop) : Card(EmptySlot);
    v.raceLength = g.round.raceLength;

    v.handOver = g.has(flag::handOver);
    v.gameOver = g.has(flag::gameOver);
    v.winner = v.handOver && g.round.winner == 1 ? 1 : 0;
    v.turnHandover = g.has(flag::turnHandover);
    v.showPlayable = g.has(flag::showPlayable);
    v.hideTips = g.has(flag::hideTips);
    v.status = g.seats[v.seat].status;
    v.decisionPending = g.pending != Decision::None && v.isOwnTurn();

    v.handShown = !v.turnHandover;
    if (v.handShown) {
        const PlayerRecord& own = g.players[v.seat];
        v.hand = own.hand;
        v.selectedSlot = own.selectedSlot();
        v.markedSlot = own.markedSlot();
        // Legality is that of the current player; off the seat's turn nothing is playable.
        if (v.isOwnTurn())
            for (int slot = 1; slot <= HandSize; ++slot)
                v.playable[slot - 1] = isSlotPlayable(g, slot);
    }
    return v;
}

} // namespace tarmigo
