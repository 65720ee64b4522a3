#pragma once
// The one turn loop of a player whose moves are chosen, not tapped: the computer's turn
// in the program, each turn of Expert's playouts, and the simulator's person.
#include "ai/blocked_hand.h"
#include "game/moves.h"
#include "game/targets.h"

#include <cstdint>

namespace tarmigo {

// A turn passes after this many choices even when none of them passed it.
inline constexpr int TurnAttempts = 20;

// Whose turn the loop plays: the computer draws the replacement of a laid safety before
// the blocked-hand check; a person's replacement comes after it, as at a tap.
enum class Mover { Computer, Person };

// Plays choices until a move passes the turn or TurnAttempts are used: choose() selects
// a card and names its target, play(target) makes the move, draw() brings the mover's
// next card. A choice of the draw pile only draws. Nobody whose moves are chosen
// extends the race. Returns false when the hand ended during the turn; else the turn
// has passed and the next player has drawn.
template <class Choose, class Play, class Draw>
bool takeTurn(Game& g, Mover mover, Choose&& choose, Play&& play, Draw&& draw) {
    const bool person = mover == Mover::Person;
    int result = TurnStays;
    for (int attempts = 0; result == TurnStays && attempts < TurnAttempts; ++attempts) {
        const int choice = choose();
        if (choice == target::DrawPile) {
            draw();
            if (person) continue; // only after a damaged start: nothing was played
        } else {
            result = play(choice);
            answerExtension(g, false);
            if (!person && result == TurnStays) draw();
        }
        checkBlockedHand(g);
        if (handOver(g)) return false;
        if (person && result == TurnStays) draw();
    }
    g.currentPlayer = std::uint8_t(1 - g.currentPlayer);
    draw();
    return true;
}

} // namespace tarmigo
