#pragma once
// Starting a hand, shuffling, dealing, sorting and drawing.
#include "game/game.h"

namespace tarmigo {

constexpr int ShuffleExchanges = 923;

// A new hand of an n-player game; with keepScores false a new game.
void startHand(Game& g, int playerCount, bool keepScores);
void shuffleDeck(Game& g);
void dealHands(Game& g);
void sortHand(Game& g);
// Refills the current player's waiting slot from the draw pile.
void drawCard(Game& g, bool animate);

} // namespace tarmigo
