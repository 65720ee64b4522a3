#pragma once
// The moves of a hand since it was dealt, as kept beside the saved record: the
// position they start from (the deal, or where the options or a restored game without
// its moves left the hand) and every input in order, which played again from that
// position give the game as it is now, the undo snapshot and Redo's moves included.
//
// An input is a Move: a person's tap on a place (slot 0, the place as target), the
// card the computer chose (its slot and target), an answer, a taking over of the device
// between two players, an Undo or a Redo.
#include "game/game.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarmigo {

// The targets of the inputs that are not places on the board.
namespace entry {
inline constexpr int Undo = 30;
inline constexpr int Redo = 31;
} // namespace entry

// Where the moves start: the deck's order and both records.
struct HandStart {
    std::array<Card, DeckSize> deck{};
    RoundRecord round;
    std::array<PlayerRecord, 2> players;
    std::uint8_t playerCount = 1;
    std::uint8_t currentPlayer = 0;
    bool operator==(const HandStart&) const = default;
};

// The moves of one hand from where they start.
struct HandMoves {
    HandStart start;
    std::vector<Move> moves;
    // Whose discard was armed at the start (bit 0: seat 0, bit 1: seat 1).
    std::uint8_t armed = 0;
    // The hand's number in its game, from 1.
    std::uint16_t number = 1;
    bool operator==(const HandMoves&) const = default;
};

// The hands of the game that ended before this one, kept to be watched again: the last
// few, oldest first.
inline constexpr std::size_t KeptHands = 5;

struct History : HandMoves {
    // The moves played when the record was last saved: those after are Undo and Redo,
    // which save the history alone.
    std::size_t recorded = 0;
    std::vector<HandMoves> finished;
    bool operator==(const History&) const = default;
};

// The position of a game, as its start.
HandStart startOf(const Game& g);
// Sets the game's records and deck to a start; everything else is the caller's.
void applyStart(Game& g, const HandStart& s);

// The stored image, little-endian: a checksum of what follows (4 bytes, FNV-1a), the
// format's version (1 byte), the number of moves and the number recorded (2 bytes
// each), the armed discards (1 byte), the start (the round's and both players' records as in the
// saved record, the player count, the current player, the deck), then each move in 4 bytes (seat,
// slot, target, answer). Version 2 goes on with the hand's number (2 bytes), the number of
// finished hands kept (1 byte), and each of those: its armed discards (1 byte), its number and
// its number of moves (2 bytes each), its start and its moves as above. Version 1, which kept no
// finished hands, is still read.
inline constexpr std::uint8_t HistoryVersion = 2;
inline constexpr std::size_t HistoryHeader = 10;
inline constexpr std::size_t HistoryStartSize =
    RoundRecord::Size + 2 * PlayerRecord::Size + 2 + DeckSize;
inline constexpr std::size_t MaxHistoryMoves = 0xFFFF;

std::vector<std::uint8_t> encodeHistory(const History& h);
// The history the bytes hold, or nothing when they are not a whole, sound one of this
// version: the length, the version, the checksum and every field in range.
std::optional<History> decodeHistory(std::span<const std::uint8_t> bytes);

// A history being kept: the inputs are noted as they are played, and while the moves
// are played again the computer's choices come from them instead.
struct MoveHistory {
    History history;
    // While replaying: the next move to take; a move asked of an exhausted history
    // marks the replay failed.
    bool replaying = false;
    std::size_t next = 0;
    bool exhausted = false;

    void note(const Move& m) {
        if (!replaying && history.moves.size() < MaxHistoryMoves) history.moves.push_back(m);
    }
    // The history starts again from the game's position; the finished hands stay.
    void restart(const Game& g) {
        history.start = startOf(g);
        history.moves.clear();
        history.recorded = 0;
        history.armed = std::uint8_t(g.seats[0].discardArmed | (g.seats[1].discardArmed << 1));
    }
    // A new hand is dealt: the hand that ended is kept among the finished ones, the
    // oldest going past KeptHands; a new game forgets them all.
    void nextHand(bool handEnded, bool newGame) {
        if (handEnded && !newGame) {
            history.finished.push_back(static_cast<const HandMoves&>(history));
            if (history.finished.size() > KeptHands)
                history.finished.erase(history.finished.begin());
        }
        history.number = newGame ? 1 : std::uint16_t(history.number + 1);
        if (newGame) history.finished.clear();
    }
    std::optional<Move> take() {
        if (next < history.moves.size()) return history.moves[next++];
        exhausted = true;
        return std::nullopt;
    }
};

} // namespace tarmigo
