#pragma once
// Carrying out a move with the current player's selected card.
#include "game/game.h"

namespace tarmigo {

// Result of a move: the turn stays with the player or passes; or the rules refuse it,
// having reported why, and the state is unchanged.
enum class MoveResult { TurnStays, TurnPasses, Refused };

// Plays a seat's move: its card laid on the target, or its answer to the question. A
// move of a seat whose turn it is not plays nothing.
inline MoveResult playMove(Game& g, const Move& move);

// Plays the selected card on the move that the target names.
MoveResult dispatchMove(Game& g, int target);

MoveResult discardCard(Game& g);
MoveResult playSafety(Game& g);
MoveResult playRemedy(Game& g);
MoveResult playHazard(Game& g);
MoveResult playEndOfLimit(Game& g);
MoveResult playSpeedLimit(Game& g);
// Reaching the trip's length first, a human is asked whether to extend the race: the
// move returns with Game::pending set, and the answer comes here. No ends the hand.
MoveResult playDistance(Game& g);
void answerExtension(Game& g, bool extend);

inline MoveResult playMove(Game& g, const Move& m) {
    if (m.seat != g.currentPlayer) return MoveResult::TurnStays;
    if (m.answer != Move::Answer::None) {
        answerExtension(g, m.answer == Move::Answer::Yes);
        return MoveResult::TurnPasses;
    }
    if (m.slot >= 1 && m.slot <= HandSize) g.own().setSelectedSlot(m.slot);
    return dispatchMove(g, m.target);
}

} // namespace tarmigo
