#pragma once
// A finished hand watched again on the game's own board, step by step forward and back.
//
// The hand's moves are played through the rules again, first on a silent copy that notes
// the position after each step (a person's move with the computer's reply, or one
// player's move between two people), leaving out the moves an Undo took back. Watching,
// the game's table is lent to the hand: a step forward plays the step's moves on it, so
// the board slides, sounds and tells them as it did then; a step back shows the earlier
// position at once. The seat on the screen is the one that was then, its own hand alone
// shown. Nothing is saved meanwhile, and leaving gives the game back exactly as it was.
#include "app/session.h"

#include <array>
#include <cstddef>
#include <vector>

namespace tarmigo {

// The hands that can be watched, newest first: the hand on the board once it is over,
// then the finished hands of the game kept with its history.
std::vector<HandMoves> watchableHands(const Session& g);

class HandReview {
  public:
    bool active() const { return active_; }
    // Lends the game's table to the watchable hand `which` (0 the newest), shown at its
    // deal; false, with nothing changed, when there is no such hand or its moves do not
    // play again.
    bool begin(Session& g, std::size_t which);
    // Plays the next step on the table; false at the hand's end.
    bool forward(Session& g);
    // Shows the position before the last step; false at the deal.
    bool back(Session& g);
    // The game exactly as it was before the review.
    void end(Session& g);

    std::size_t step() const { return at_; }
    std::size_t steps() const { return positions_.size() - 1; }
    int handNumber() const { return hand_.number; }
    // The cards of the seat not on the screen at the step shown.
    std::vector<Card> otherHand() const;

  private:
    struct Position {
        HandStart at; // as shown
        std::array<SeatState, 2> seats;
        std::size_t next = 0; // the moves played to reach it
        // Where the next step's moves start: the position itself, or where an Undo of
        // the step that followed it left the game (with the card it had picked).
        HandStart from;
        std::array<SeatState, 2> fromSeats;
    };
    static Position positionOf(const Table& t, std::size_t next);
    // What the review lends of the game, to give it back.
    struct Lent {
        HandStart at;
        UndoSnapshot undo;
        UndoSnapshot redo;
        std::array<SeatState, 2> redoSeats;
        std::array<SeatState, 2> seats;
        bool redoable = false;
        Decision pending = Decision::None;
        Store* fileStore = nullptr;
        Store* secondStore = nullptr;
        Store* historyStore = nullptr;
        MoveHistory* moveLog = nullptr;
    };

    // Plays the hand on a copy of g; false when its moves do not play again.
    bool follow(const Session& g, const HandMoves& hand);
    void show(Session& g, const Position& p) const;

    HandMoves hand_;
    std::vector<Position> positions_{1};
    std::size_t at_ = 0;
    bool active_ = false;
    Lent lent_;
};

} // namespace tarmigo
