#pragma once
// One seat's view of the game: everything the player in that seat may see, and
// nothing else. A screen is given a view, never the game, so that what it shows
// (the board, and whatever reads the board to a player) cannot give away the other
// hand, the order of the draw pile, the shuffle's state, the undo snapshot or the
// computer's memory of the cards it has seen.
#include "game/cards.h"
#include "game/game.h"
#include "game/strings.h"

#include <array>

namespace tarmigo {

// What everybody sees of one player: the piles in front of them and their scores.
struct PlayerView {
    int miles = 0;
    int handScore = 0;
    int gameScore = 0;
    int gamesWon = 0;   // in the current mode (one or two players)
    int safeties = 0;   // bit b: the safety of bit b is laid
    int coupFourre = 0; // bit b: that safety was laid as a coup fourre
    int battle = 0;     // the battle pile's value as the record keeps it
    int speed = 0;
    bool moving = false;
    bool delayedAction = false;          // the trip was completed after the draw pile ran out
    std::array<int, 5> distancePlayed{}; // cards laid of 25, 50, 75, 100 and 200 miles

    bool operator==(const PlayerView&) const = default;
};

struct SeatView {
    int seat = 0;
    int playerCount = 0;
    int currentPlayer = 0; // whose turn it is
    std::array<PlayerView, 2> players;

    int cardsLeft = 0; // in the draw pile
    Card discardTop = EmptySlot;
    int raceLength = 0;

    // The seat's own hand; not shown while the device is being handed over.
    bool handShown = false;
    std::array<Card, HandSize> hand{}; // hand[s - 1] is slot s
    int selectedSlot = 0;
    int markedSlot = 0;
    // Which cards of the hand may be laid now; worked out only on the seat's own turn.
    std::array<bool, HandSize> playable{};

    StatusMessage status;

    bool handOver = false;
    bool gameOver = false;
    int winner = 0; // at a hand's end, who won it (the game, once that is over)
    bool turnHandover = false;
    // The last move waits on a question (the extension) that this seat answers: the
    // mover's, the next input of whom answers it.
    bool decisionPending = false;

    // The options the board draws by.
    bool showPlayable = false;
    bool hideTips = false;

    // The board's own input state, not the rules': the next tapped card is discarded.
    // viewFor leaves it false; the board sets it from its screen.
    bool discardArmed = false;

    bool isOwnTurn() const { return currentPlayer == seat; }
    bool operator==(const SeatView&) const = default;
};

// What seat (0 or 1) may see of the game.
SeatView viewFor(const Game& g, int seat);

// The seat one screen shows: the human's against the computer, the current player's
// when two players share the screen.
int shownSeat(const Game& g);

} // namespace tarmigo
