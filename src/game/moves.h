#pragma once
// Carrying out a move with the current player's selected card.
#include "game/game.h"

namespace tarmigo {

// Result of a move: the turn passes, or it stays with the player.
inline constexpr int TurnStays = 0;
inline constexpr int TurnPasses = 1;
// A move the rules refuse: the reason has been reported, the state is unchanged.
inline constexpr int MoveRefused = 2;

// Plays the selected card on the move that the target names.
int dispatchMove(Game& g, int target);

int discardCard(Game& g);
int playSafety(Game& g);
int playRemedy(Game& g);
int playHazard(Game& g);
int playEndOfLimit(Game& g);
int playSpeedLimit(Game& g);
// Reaching the trip's length first, a human is asked whether to extend the race: the
// move returns with Game::pending set, and the answer comes here. No ends the hand.
int playDistance(Game& g);
void answerExtension(Game& g, bool extend);

} // namespace tarmigo
