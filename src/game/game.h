#pragma once
// The rules' state in one object, passed explicitly to every rule: the records, the
// deck and the undo snapshot, with the platform the rules ask (Host) and whoever
// listens to what they report (GameEvents), and beside the record each seat's own
// state (game/seat.h: its status line, armed discard and modes). What a screen shows of it is one
// seat's view (game/view.h), the screen itself the board's (board/table.h), the saving machinery
// the application's (app/session.h).
#include "game/cards.h"
#include "game/events.h"
#include "game/host.h"
#include "game/records.h"
#include "game/seat.h"
#include "game/strings.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarmigo {

struct UndoSnapshot {
    RoundRecord round;
    std::array<PlayerRecord, 2> players;
    std::uint8_t currentPlayer = 0;
};

// The computer's level. The record keeps Hard (Expert plays with the Hard flag set), and
// Game::expert says whether Hard is played by Expert's planning.
enum class Level { Easy, Hard, Expert };

// A question a move waits on; the next input answers it.
enum class Decision : std::uint8_t {
    None,
    Extension, // a human reached the trip first: extend the race to 1000?
};

struct Game {
    explicit Game(Host& h);
    Game(Host& h, GameEvents& e) : Game(h) { events = &e; }

    Host& host;
    // Where the rules report what they do; nobody unless a layer above listens.
    GameEvents* events = &GameEvents::silent();

    std::array<Card, DeckSize> deck{};
    RoundRecord round;
    std::array<PlayerRecord, 2> players;
    std::uint8_t playerCount = 0;
    std::uint8_t currentPlayer = 0;

    // The computer plans ahead (Expert) when the Hard flag is set too. Kept with the
    // desktop settings, not in the record, so a record read elsewhere plays Hard.
    bool expert = false;

    UndoSnapshot undo;
    // The position Undo took back, each seat's state with it, which Redo brings back
    // until another move is made.
    UndoSnapshot redo;
    std::array<SeatState, 2> redoSeats;
    bool redoable = false;

    // Each seat's own state, by seat; not saved. Every screen draws its seat's status
    // line in its own language.
    std::array<SeatState, 2> seats;

    // The question the last move waits on. Not saved: a program stopped while it is
    // asked restores the position before that move.
    Decision pending = Decision::None;

    PlayerRecord& own() { return players[currentPlayer]; }
    const PlayerRecord& own() const { return players[currentPlayer]; }
    PlayerRecord& opponent() { return players[1 - currentPlayer]; }
    const PlayerRecord& opponent() const { return players[1 - currentPlayer]; }

    bool has(BitField f) const { return round.has(f); }
    bool deckExhausted() const { return round.deckPos >= DeckSize; }
};

// Hands a report to the game's listener when it hears that kind.
template <class Kind> void tell(Game& g, const Kind& report) {
    if (g.events->hears & reportBit<Kind>()) g.events->report(g, report);
}

// The race lengths: the trip, and the extension a human may ask for on reaching it.
constexpr int StandardRace = 700;
constexpr int ExtendedRace = 1000;

// Small operations on the state shared by every rule.
inline bool handOver(const Game& g) {
    return g.has(flag::handOver);
}
// A player index read from a record, which may be damaged.
inline bool validPlayer(int p) {
    return p == 0 || p == 1;
}
Level computerLevel(const Game& g);
void setComputerLevel(Game& g, Level level);
bool isMoving(const Game& g, int player);
bool isComputerTurn(const Game& g);
void setSelectedSlot(Game& g, int slot);
// How a seat plays its taps: its own modes when its program sent them, else the game's.
inline SeatModes modesOf(const Game& g, int seat) {
    if (validPlayer(seat) && g.seats[seat].modes) return *g.seats[seat].modes;
    return SeatModes{g.round.playMode(), g.round.discardMode()};
}
// Sets the status line of a seat, or of every seat (AllSeats).
void setSeatStatus(Game& g, int seat, StatusMessage message);
void removePlayedCard(Game& g);
// A new hand keeps the game scores (the next hand of a game) or resets them (a new game).
enum class GameScores : bool { Reset = false, Kept = true };
void resetPlayers(Game& g, GameScores scores);
void noteSeen(Game& g, Card c);
// What is wrong with where the cards are, in a few words, or nothing: the deck holds
// every card of the game once, and no more of a card is in the hands, on the distance
// and safety piles and left to draw than the game has.
std::string misplacedCards(const Game& g);

} // namespace tarmigo
